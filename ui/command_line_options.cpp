// Vardeln — MIT licence, see LICENSE.
#include "command_line_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>

#include "version.h"

namespace vardeln {
namespace {

constexpr int kBadArguments = 2;

const char kHelpText[] =
    "Usage: vardeln [Qt options]\n"
    "\n"
    "Opens Vardeln, the unit converter window.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's own options are accepted too, for example -platform NAME, -style NAME,\n"
    "-stylesheet FILE and -reverse.\n"
    "vardeln-convert converts from the command line with the same rules.\n";

// The window's own two options. Single-dash words such as -vh2 are read as long options, as
// Qt's are, so they can never be mistaken for a bundle of -v and -h.
struct InformationParser {
  QCommandLineParser parser;
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

  explicit InformationParser(const QStringList& arguments) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parsed = parser.parse(arguments);
  }
  bool parsed = false;
};

// Qt's own options, as QApplication takes them from the arguments: those followed by a
// value and those that stand alone. Qt reads each with one hyphen or two, and -style,
// -stylesheet and -qmljsdebugger also as -name=value. Qt would stop without a display before
// the window could refuse anything, so they are told apart here, from this list.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
    QStringLiteral("session"),         QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("qmljsdebugger"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("visual")};
const QStringList kQtFlags = {QStringLiteral("reverse"),     QStringLiteral("testability"),
                              QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"),      QStringLiteral("qdevel"),
                              QStringLiteral("qdebug")};
const QStringList kQtOptionsWithJoinedValue = {
    QStringLiteral("style="), QStringLiteral("stylesheet="), QStringLiteral("qmljsdebugger=")};

// An option's name without its one or two hyphens; empty for an argument that is none.
QString optionName(const QString& argument) {
  if (argument.startsWith(QLatin1String("--"))) return argument.mid(2);
  if (argument.startsWith(QLatin1Char('-'))) return argument.mid(1);
  return {};
}

bool isQtFlag(const QString& name) {
  return kQtFlags.contains(name) ||
         std::any_of(kQtOptionsWithJoinedValue.begin(), kQtOptionsWithJoinedValue.end(),
                     [&](const QString& prefix) { return name.startsWith(prefix); });
}

// The arguments without Qt's options and their values; the complaint instead when one of
// them lacks its value.
struct OwnArguments {
  QStringList arguments;
  QString complaint;
};

OwnArguments withoutQtOptions(const QStringList& arguments) {
  OwnArguments own;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString name = i == 0 ? QString() : optionName(arguments[i]);
    if (kQtOptionsWithValue.contains(name)) {
      if (++i == arguments.size()) {
        own.complaint = QStringLiteral("Missing value after '%1'.").arg(arguments.last());
      }
    } else if (name.isEmpty() || !isQtFlag(name)) {
      own.arguments << arguments[i];
    }
  }
  return own;
}

void write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// What is wrong with the window's own arguments, or nothing.
QString complaintAbout(const OwnArguments& own, const InformationParser& information) {
  if (!own.complaint.isEmpty()) return own.complaint;
  if (!information.parsed) return information.parser.errorText();
  const QStringList stray = information.parser.positionalArguments();
  if (!stray.isEmpty()) return QStringLiteral("unexpected argument '%1'.").arg(stray.constFirst());
  return {};
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const OwnArguments own = withoutQtOptions(arguments);
  const InformationParser information(own.arguments);
  if (information.parser.isSet(information.help)) {
    std::fputs(kHelpText, stdout);
    return 0;
  }
  if (information.parser.isSet(information.version)) {
    std::fputs("vardeln " VARDELN_VERSION "\n", stdout);
    return 0;
  }
  const QString complaint = complaintAbout(own, information);
  if (complaint.isEmpty()) return std::nullopt;
  write(stderr,
        QStringLiteral("vardeln: %1\nTry 'vardeln --help' for more information.\n").arg(complaint));
  return kBadArguments;
}

}  // namespace vardeln
