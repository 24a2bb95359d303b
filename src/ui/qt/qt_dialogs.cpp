#include "ui/qt/qt_dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QSplitter>
#include <QString>
#include <QStringList>
#include <QTreeView>

#include "ui/qt/event_path.h"

namespace {

const QString kApplicationTitle = QStringLiteral("DEDIVUD");

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Qt's file dialog opens too narrow for the Turkish column titles and dates:
// it opens wider, its columns take the width their contents need and the
// places on the left are not cut either.
void fitFileDialog(QFileDialog& dialog) {
  constexpr int kWidth = 760;
  constexpr int kHeight = 460;
  constexpr int kPlacesWidth = 150;
  dialog.resize(kWidth, kHeight);
  if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
    splitter->setSizes({kPlacesWidth, kWidth - kPlacesWidth});
}

// A window manager draws a box's title beside its buttons (icon, minimize,
// maximize, close) and cuts it short when the box is narrower: a short
// message titled "DEDIVUD" showed "...". The box is made wide enough for the
// title in bold and that room.
constexpr int kTitleBarButtonsRoom = 96;

void makeRoomForTitle(QMessageBox& box) {
  QFont titleFont = box.font();
  titleFont.setBold(true);
  const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsRoom;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
}

}  // namespace

// Runs a file dialog with Turkish labels in the folder last used and gives
// the chosen name, or "" when cancelled.
std::string QtDialogs::runFileDialog(QFileDialog& dialog, const QString& acceptText) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!folder_.isEmpty()) dialog.setDirectory(folder_);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Konum:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dosya adı:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dosya türü:"));
  dialog.setLabelText(QFileDialog::Accept, acceptText);
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("İptal"));
  fitFileDialog(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return {};
  folder_ = QFileInfo(files.first()).absolutePath();
  return QFile::encodeName(files.first()).toStdString();
}

Answer QtDialogs::ask(const std::string& text, const std::string& caption, bool withCancel) {
  QMessageBox box(QMessageBox::Question, fromUtf8(caption), fromUtf8(text), QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(QMessageBox::Yes);
  QPushButton* no = box.addButton(QMessageBox::No);
  QPushButton* cancel = withCancel ? box.addButton(QMessageBox::Cancel) : nullptr;
  yes->setText(QStringLiteral("&Evet"));
  no->setText(QStringLiteral("&Hayır"));
  if (cancel) cancel->setText(QStringLiteral("İptal"));
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel ? cancel : no);
  makeRoomForTitle(box);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == yes) return Answer::Yes;
  if (clicked == no || !withCancel) return Answer::No;
  return Answer::Cancel;
}

// The windows show what the message is about (the board after the move that
// ended the game) before it opens.
void QtDialogs::message(const std::string& text) {
  redrawEveryWindow();
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, fromUtf8(text), QMessageBox::Ok, parent_);
  makeRoomForTitle(box);
  box.exec();
}

std::string QtDialogs::chooseSaveFile() {
  QFileDialog dialog(parent_, QStringLiteral("Kaydet"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An existing file is replaced only after the dialog's own question, in
  // Turkish through Qt's translation.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setNameFilters({QStringLiteral("radozid (*.oyk)"), QStringLiteral("Word (*.doc)")});
  dialog.setDefaultSuffix(QStringLiteral("oyk"));
  return runFileDialog(dialog, QStringLiteral("&Kaydet"));
}

std::string QtDialogs::chooseOpenFile() {
  QFileDialog dialog(parent_, QStringLiteral("Aç"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("Radozid (*.oyk)"));
  return runFileDialog(dialog, QStringLiteral("&Aç"));
}
