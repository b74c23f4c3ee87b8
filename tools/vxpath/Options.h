#pragma once
// Command-line parsing for the path tool: options declared per command,
// numbers read in the US format, and the two kinds of failure the tool
// reports.

#include <cstdint>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace VXPath {

// A mistake on the command line; reported with a hint to --help, exit
// status 2.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Input or output that cannot be processed (an unreadable file, a picture
// that cannot be written); exit status 1.
class EInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TOptionRule {
  std::string_view Name;  // "--len", "-o"
  bool TakesValue = false;
};

struct TParsedArgs {
  std::map<std::string, std::string, std::less<>> Options;  // last value wins; "" for flags
  std::vector<std::string> Positionals;

  bool Has(std::string_view Name) const { return Options.find(Name) != Options.end(); }
  // The option's value, or nullptr when it was not given.
  const std::string* Value(std::string_view Name) const;
};

// Options are recognised anywhere before "--"; "--name=value" is accepted
// for options that take a value. "-" and arguments that look like negative
// numbers ("-5", "-.5") are positionals. Unknown options and missing values
// raise EUsageError.
TParsedArgs ParseArgs(std::span<const std::string> Args, std::span<const TOptionRule> Rules);

// A finite number in the US format ("12.5", "-3e2"); What names it in the
// error message.
double ParseNumber(std::string_view Text, std::string_view What);
// A whole number in [Min, Max].
std::int32_t ParseInteger(std::string_view Text, std::string_view What, std::int32_t Min, std::int32_t Max);

}  // namespace VXPath
