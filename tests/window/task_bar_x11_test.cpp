// Vardeln — MIT licence, see LICENSE.
// On a real X11 display with a window manager: the About box asks for no task-bar button at
// every showing, also after a window manager has cleared its window states on hiding it; it
// carries no icon, and it opens at the same place every time.
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPoint>
#include <QStringList>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "about_dialog.h"
#include "program_icon.h"

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t internAtom(const char* name) {
  const XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection(), xcb_intern_atom(connection(), 0, std::strlen(name), name),
                            nullptr),
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
  vardeln::AboutDialog dialog;
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

bool hasProperty(QWidget& window, const char* name) {
  const XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection(),
                             xcb_get_property(connection(), 0, window.winId(), internAtom(name),
                                              XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
                             nullptr),
      &std::free);
  return reply && reply->type != XCB_ATOM_NONE;
}

// Where the window's own area stands on the screen, as the X server has it.
QPoint placeOnScreen(QWidget& window) {
  const XcbReply<xcb_translate_coordinates_reply_t> reply(
      xcb_translate_coordinates_reply(
          connection(),
          xcb_translate_coordinates(
              connection(), window.winId(),
              xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root, 0, 0),
          nullptr),
      &std::free);
  return reply ? QPoint(reply->dst_x, reply->dst_y) : QPoint(-1, -1);
}

// The main window lends its icon to windows without one; the box shows none of its own.
TEST(AboutDialogOnX11, CarriesNoIconAndOpensWhereItOpenedFirst) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    GTEST_SKIP() << "needs an X11 display";
  }
  QWidget owner;
  owner.setWindowIcon(vardeln::programIcon());
  owner.resize(400, 300);
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  vardeln::AboutDialog dialog(&owner);
  QPoint first;
  for (int showing = 1; showing <= 3; ++showing) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(300);  // the window manager frames and places the box
    EXPECT_FALSE(hasProperty(dialog, "_NET_WM_ICON")) << "showing " << showing;
    const QPoint place = placeOnScreen(dialog);
    if (showing == 1) first = place;
    EXPECT_EQ(place, first) << "showing " << showing;
    dialog.close();
    QTest::qWait(100);
  }
}

}  // namespace
