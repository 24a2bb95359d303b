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
  // Left, right, top, bottom, as the window manager specification has it.
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
