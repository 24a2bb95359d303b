#include "ui/qt/window_manager.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <QtMath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The value of a window's property, empty when it has none.
QByteArray propertyOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, 64), nullptr));
  if (!reply) return {};
  return {static_cast<const char*>(xcb_get_property_value(reply.get())), xcb_get_property_value_length(reply.get())};
}

// Whether the running window manager calls itself Openbox (its check window's
// name, as the EWMH conventions have it).
bool underOpenbox(xcb_connection_t* connection) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const QByteArray check =
      propertyOf(connection, root, atomNamed(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
  if (check.size() != sizeof(xcb_window_t)) return false;
  xcb_window_t manager = XCB_WINDOW_NONE;
  std::memcpy(&manager, check.constData(), sizeof manager);
  return propertyOf(connection, manager, atomNamed(connection, "_NET_WM_NAME"), atomNamed(connection, "UTF8_STRING")) ==
         "Openbox";
}

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::optional<QMargins> frameAround(const QWidget* window) {
  xcb_connection_t* connection = x11Connection();
  if (!connection) {
    // Another window system: as Qt sees it.
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer == inner) return std::nullopt;
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
  }
  if (!window->internalWinId() || !window->isVisible()) return std::nullopt;
  // Left, right, top, bottom, as the EWMH conventions have it.
  const QByteArray extents = propertyOf(connection, static_cast<xcb_window_t>(window->internalWinId()),
                                        atomNamed(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
  uint32_t side[4] = {};
  if (extents.size() != sizeof side) return std::nullopt;
  std::memcpy(side, extents.constData(), sizeof side);
  // Openbox announces an empty frame before it draws the real one.
  if (side[0] == 0 && side[1] == 0 && side[2] == 0 && side[3] == 0) return std::nullopt;
  // In the screen's pixels; the window's places are in Qt's (the scale's),
  // rounded up so that a frame fitted onto the screen stays on it.
  const qreal ratio = window->devicePixelRatioF();
  auto scaled = [ratio](uint32_t pixels) { return qCeil(pixels / ratio); };
  return QMargins(scaled(side[0]), scaled(side[2]), scaled(side[1]), scaled(side[3]));
}

void offerNoMaximize(QWidget* window) {
  // A tool window goes with the main window; only a window of its own may be
  // minimized by itself.
  Qt::WindowFlags flags = window->windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window->windowType() == Qt::Window) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  xcb_connection_t* connection = x11Connection();
  if (!connection || !underOpenbox(connection)) return;
  // Qt writes the window's type when it creates the native window and not
  // when it shows it: written after, it stays.
  const auto native = static_cast<xcb_window_t>(window->winId());
  const xcb_atom_t toolBar = atomNamed(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR");
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, atomNamed(connection, "_NET_WM_WINDOW_TYPE"),
                      XCB_ATOM_ATOM, 32, 1, &toolBar);
}
