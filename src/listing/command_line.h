// The command-line grammar speechlist and the viewer share, with one wording
// for every mistake: options and paths in any order, "--" ending the
// options, and an option's value given as "--name VALUE" or "--name=VALUE"
// (a short one's also as "-xVALUE"). An argument of one character, "-"
// included, is a path.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/encoding.h"

namespace listing {

struct OptionSpec {
  std::string_view name;            // "--format"
  std::string_view valueName = {};  // "FORMAT"; empty for an option without a value
  std::string_view alias = {};      // another spelling of it ("-h"), or empty
  std::string_view choices = {};    // the values it takes, for a message ("lines, csv or json"), or empty
};

struct Arguments {
  std::vector<std::filesystem::path> paths;
  // The options given, in order: the spec's name and the value (empty for
  // an option without one).
  std::vector<std::pair<std::string_view, std::string>> options;
  // Each option's value as it was given, for a value that names a file: the
  // same bytes (or, on Windows, wide characters) as the argument.
  std::vector<std::filesystem::path> optionPaths;
  // What is wrong, in the shared wording ("unknown option '--bogus'"); empty
  // when the line was read.
  std::string problem;

  bool has(std::string_view name) const;
  // The value given last for the option, if it was given.
  std::optional<std::string> value(std::string_view name) const;
  // The same value as the path it names, exactly as given.
  std::optional<std::filesystem::path> pathValue(std::string_view name) const;
};

// Reads the arguments after the program's name against the options it knows.
// Stops at the first unknown option or an option without its value, and
// says which, in its shown form (no control character reaches a terminal);
// for an option without its value, with the values it takes
// ("--format needs a FORMAT: lines, csv or json").
Arguments readArguments(const std::vector<std::filesystem::path>& arguments, std::span<const OptionSpec> known);

// --encoding NAME, which both programs take.
constexpr OptionSpec kEncodingOption = {"--encoding", "NAME", {}, runtime::kEncodingNames};

// The encoding --encoding chose: the system default when it is not given;
// none for a NAME no encoding has, with `problem` set to say so
// ("unknown encoding 'cp1259': give ansi, utf-8, or a code page: ...").
std::optional<runtime::Encoding> chosenEncoding(const Arguments& arguments, std::string& problem);

// The wording of the mistakes a program finds after reading its line.
constexpr std::string_view kMissingPath = "missing PATH";
constexpr std::string_view kTooManyPaths = "too many arguments: give one PATH";

// An argument as UTF-8 text (runtime::pathText: a byte that is not valid
// UTF-8 stays as it is).
std::string argumentText(const std::filesystem::path& argument);

}  // namespace listing
