// Vardeln — MIT licence, see LICENSE.
// On X11 a tool window is only a hint: many task bars still list it. The desktop standard's
// window state _NET_WM_STATE_SKIP_TASKBAR asks for no button outright. It is written on the
// window before it is mapped, where Qt keeps it when it adds its own states.
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "task_bar.h"

namespace vardeln {

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  const XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool hasState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
              xcb_atom_t wanted) {
  const XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection,
                             xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024),
                             nullptr),
      &std::free);
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  return std::find(atoms, atoms + reply->value_len, wanted) != atoms + reply->value_len;
}

}  // namespace

void keepOutOfTaskBar(QWidget& window) {
  // Only the xcb platform talks to an X server; Wayland has no such state, and the offscreen
  // platform may offer the X11 interface with no connection behind it.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
  const xcb_atom_t skipTaskBar = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skipTaskBar == XCB_ATOM_NONE) return;
  const auto id = static_cast<xcb_window_t>(window.winId());
  if (hasState(connection, id, state, skipTaskBar)) return;
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                      &skipTaskBar);
  xcb_flush(connection);
}

}  // namespace vardeln
