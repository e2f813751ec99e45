// Vardeln — MIT licence, see LICENSE.
#include "command_line_options.h"

#include <cstdio>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

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

// The same two options in both passes. Qt's options are single-dash words such as
// -stylesheet; read as long options they can never be mistaken for a bundle of -v and -h.
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

void write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

std::optional<int> answerInformationOptions(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Qt's options are still among these arguments, so a failed parse means nothing yet;
  // only a recognised --help or --version is acted on here.
  const InformationParser information(arguments);
  if (information.parser.isSet(information.help)) {
    std::fputs(kHelpText, stdout);
    return 0;
  }
  if (information.parser.isSet(information.version)) {
    std::fputs("vardeln " VARDELN_VERSION "\n", stdout);
    return 0;
  }
  return std::nullopt;
}

std::optional<int> rejectUnknownArguments(const QStringList& remaining) {
  const InformationParser information(remaining);
  QString complaint;
  if (!information.parsed) {
    complaint = information.parser.errorText();
  } else if (!information.parser.positionalArguments().isEmpty()) {
    complaint = QStringLiteral("unexpected argument '%1'.")
                    .arg(information.parser.positionalArguments().constFirst());
  } else {
    return std::nullopt;
  }
  write(stderr, QStringLiteral("vardeln: %1\nTry 'vardeln --help' for more information.\n")
                    .arg(complaint));
  return kBadArguments;
}

}  // namespace vardeln
