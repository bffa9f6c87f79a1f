#include "app/command_line.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

enum class Value { kNone, kSeparate, kSeparateOrJoined };

struct QtOption {
  std::string_view name;  // without the leading dash; Qt takes one dash or two
  Value value;
};

// The options QGuiApplication, QApplication and the X11 platform read from the command line;
// "-style=Fusion" and "-stylesheet=file.qss" are the only joined forms Qt understands.
constexpr std::array kQtOptions{
    QtOption{"platform", Value::kSeparate},
    QtOption{"platformpluginpath", Value::kSeparate},
    QtOption{"platformtheme", Value::kSeparate},
    QtOption{"plugin", Value::kSeparate},
    QtOption{"qwindowgeometry", Value::kSeparate},
    QtOption{"qwindowicon", Value::kSeparate},
    QtOption{"qwindowtitle", Value::kSeparate},
    QtOption{"session", Value::kSeparate},
    QtOption{"display", Value::kSeparate},
    QtOption{"geometry", Value::kSeparate},
    QtOption{"style", Value::kSeparateOrJoined},
    QtOption{"stylesheet", Value::kSeparateOrJoined},
    QtOption{"reverse", Value::kNone},
    QtOption{"widgetcount", Value::kNone},
    QtOption{"nograb", Value::kNone},
    QtOption{"dograb", Value::kNone},
};
static_assert(std::ranges::none_of(kQtOptions,
                                   [](const QtOption& option) {
                                     return option.name == "help" || option.name == "version";
                                   }),
              "the program's own options must not shadow Qt's");

CommandLine UsageError(std::string error) {
  return CommandLine{CommandLine::Action::kUsageError, std::move(error), false, {}, {}};
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
  CommandLine result;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help") return CommandLine{CommandLine::Action::kHelp, {}, false, {}, {}};
    if (argument == "--version") {
      return CommandLine{CommandLine::Action::kVersion, {}, false, {}, {}};
    }
    const struct {
      std::string_view option;
      std::string_view what;
      std::string CommandLine::*value;
    } valued[] = {{"--price-book", "a file name", &CommandLine::priceBookPath},
                  {"--register", "a location", &CommandLine::registerLocation}};
    const auto* taken = std::ranges::find_if(valued, [&](const auto& v) {
      return argument == v.option ||
             (argument.starts_with(v.option) && argument[v.option.size()] == '=');
    });
    if (taken != std::end(valued)) {
      std::string_view value;
      if (argument.size() > taken->option.size()) {
        value = argument.substr(taken->option.size() + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      }
      if (value.empty()) {
        return UsageError("option '" + std::string(taken->option) + "' needs " +
                          std::string(taken->what));
      }
      result.*(taken->value) = value;
      continue;
    }

    std::string_view name = argument;
    if (name.starts_with("--")) {
      name.remove_prefix(2);
    } else if (name.starts_with('-')) {
      name.remove_prefix(1);
    } else {
      return UsageError("unexpected argument '" + std::string(argument) + "'");
    }
    const std::string_view joinedName = name.substr(0, name.find('='));
    const auto* option = std::ranges::find(kQtOptions, joinedName, &QtOption::name);
    const bool joined = joinedName.size() != name.size();
    if (option == kQtOptions.end() || (joined && option->value != Value::kSeparateOrJoined)) {
      return UsageError("unknown option '" + std::string(argument) + "'");
    }
    if (option->value != Value::kNone && !joined) {
      if (i + 1 == arguments.size()) {
        return UsageError("option '" + std::string(argument) + "' needs a value");
      }
      ++i;
    }
    if (option->name == "platform" || option->name == "display") result.choosesDisplay = true;
  }
  return result;
}

std::string UsageText(std::string_view program) {
  std::string text = "Usage: ";
  text += program;
  text +=
      " [OPTION]...\n"
      "Opens the window of the Corvane cross-grade price calculator.\n"
      "\n"
      "  --price-book FILE\n"
      "               price from the price-book file FILE in this run instead of the book\n"
      "               last opened in the window (see price-book.md in the documentation)\n"
      "  --register LOCATION\n"
      "               keep quotes in the register at LOCATION, a SQLite file or a PostgreSQL\n"
      "               URI (postgresql://user@host/db), instead of the setting \"register\"\n"
      "               or the default file\n"
      "  --help       show this help and exit\n"
      "  --version    show the version and the prices' effective date and exit\n"
      "\n"
      "Qt's own options are accepted too, among them -platform NAME, -display DISPLAY,\n"
      "-style NAME and -reverse.\n";
  return text;
}

}  // namespace corvane
