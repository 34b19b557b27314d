#include "listing/command_line.h"

#include <algorithm>

#include "listing/shown_text.h"
#include "runtime/errors.h"

namespace listing {
namespace {

const OptionSpec* optionNamed(std::span<const OptionSpec> known, std::string_view name) {
  const auto found = std::find_if(known.begin(), known.end(), [&](const OptionSpec& option) {
    return option.name == name || (!option.alias.empty() && option.alias == name);
  });
  return found == known.end() ? nullptr : &*found;
}

// The path an argument's text names: its bytes on POSIX, its UTF-8 read as
// wide characters on Windows.
std::filesystem::path pathOfText(const std::string& text) {
  if constexpr (sizeof(std::filesystem::path::value_type) == 1) return std::filesystem::path(text);
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

bool Arguments::has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> Arguments::value(std::string_view name) const {
  std::optional<std::string> last;
  for (const auto& [option, value] : options) {
    if (option == name) last = value;
  }
  return last;
}

std::optional<std::filesystem::path> Arguments::pathValue(std::string_view name) const {
  std::optional<std::filesystem::path> last;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i].first == name) last = optionPaths[i];
  }
  return last;
}

std::optional<runtime::Encoding> chosenEncoding(const Arguments& arguments, std::string& problem) {
  const std::optional<std::string> name = arguments.value(kEncodingOption.name);
  if (!name) return runtime::Encoding::systemDefault();
  const std::optional<runtime::Encoding> named = runtime::Encoding::named(*name);
  if (!named) problem = "unknown encoding '" + shownText(*name) + "': give " + std::string(runtime::kEncodingNames);
  return named;
}

std::string argumentText(const std::filesystem::path& argument) { return runtime::pathText(argument); }

Arguments readArguments(const std::vector<std::filesystem::path>& arguments, std::span<const OptionSpec> known) {
  Arguments read;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string text = argumentText(arguments[i]);
    // An option starts with "-"; a spelling such as Windows' "/?" counts
    // only where the program knows it.
    const bool looksLikeOption = (text.size() >= 2 && text[0] == '-') || optionNamed(known, text);
    if (optionsEnded || !looksLikeOption) {
      read.paths.push_back(arguments[i]);
      continue;
    }
    if (text == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = text.starts_with("--") ? text.find('=') : std::string::npos;
    const std::string name = text.substr(0, equals);
    const OptionSpec* option = optionNamed(known, name);
    // A short option's value may follow it at once: "-U5".
    const OptionSpec* glued = option || text.starts_with("--") ? nullptr : optionNamed(known, text.substr(0, 2));
    if (glued && !glued->valueName.empty()) {
      read.options.emplace_back(glued->name, text.substr(2));
      continue;
    }
    if (!option || (option->valueName.empty() && equals != std::string::npos)) {
      read.problem = "unknown option '" + shownText(text) + "'";
      return read;
    }
    std::string value;
    std::filesystem::path valuePath;
    if (!option->valueName.empty()) {
      if (equals != std::string::npos) {
        value = text.substr(equals + 1);
        valuePath = pathOfText(value);
      } else if (i + 1 < arguments.size()) {
        valuePath = arguments[++i];
        value = argumentText(valuePath);
      } else {
        const bool vowel = std::string_view("AEIOU").find(option->valueName.front()) != std::string_view::npos;
        read.problem = std::string(option->name) + " needs " + (vowel ? "an " : "a ") + std::string(option->valueName);
        if (!option->choices.empty()) read.problem += ": " + std::string(option->choices);
        return read;
      }
    }
    read.options.emplace_back(option->name, std::move(value));
    read.optionPaths.push_back(std::move(valuePath));
  }
  return read;
}

}  // namespace listing
