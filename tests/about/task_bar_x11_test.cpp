// Vardeln — MIT licence, see LICENSE.
// On a real X11 display: the About box asks for no task-bar button at every showing, also
// after a window manager has cleared its window states on hiding it.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QStringList>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "frm_about.h"

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t internAtom(const char* name) {
  const XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection(),
                            xcb_intern_atom(connection(), 0, std::strlen(name), name), nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QString atomName(xcb_atom_t atom) {
  const XcbReply<xcb_get_atom_name_reply_t> reply(
      xcb_get_atom_name_reply(connection(), xcb_get_atom_name(connection(), atom), nullptr),
      &std::free);
  if (!reply) return {};
  return QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                             xcb_get_atom_name_name_length(reply.get()));
}

QStringList windowStates(QWidget& window) {
  const XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection(),
                             xcb_get_property(connection(), 0, window.winId(),
                                              internAtom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024),
                             nullptr),
      &std::free);
  QStringList names;
  if (!reply || reply->format != 32) return names;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  for (unsigned i = 0; i < reply->value_len; ++i) names << atomName(atoms[i]);
  return names;
}

TEST(AboutDialogOnX11, StaysOutOfTheTaskBarAtEveryShowing) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    GTEST_SKIP() << "needs an X11 display";
  }
  vardeln::FrmAbout dialog;
  for (int showing = 1; showing <= 2; ++showing) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(windowStates(dialog).contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")))
        << "showing " << showing << ": " << windowStates(dialog).join(' ').toStdString();
    dialog.close();
    // What a window manager does when a window is withdrawn.
    xcb_delete_property(connection(), dialog.winId(), internAtom("_NET_WM_STATE"));
    xcb_flush(connection());
  }
}

}  // namespace
