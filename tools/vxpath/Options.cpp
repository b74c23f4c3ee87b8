#include "Options.h"

#include <charconv>
#include <cmath>

#include "platform/NumberText.h"

namespace VXPath {

const std::string* TParsedArgs::Value(std::string_view Name) const {
  const auto It = Options.find(Name);
  return It == Options.end() ? nullptr : &It->second;
}

namespace {

bool LooksLikeNumber(std::string_view Arg) {
  return Arg.size() >= 2 && Arg[0] == '-' && (std::isdigit(static_cast<unsigned char>(Arg[1])) || Arg[1] == '.');
}

const TOptionRule* FindRule(std::span<const TOptionRule> Rules, std::string_view Name) {
  for (const TOptionRule& S : Rules)
    if (S.Name == Name) return &S;
  return nullptr;
}

}  // namespace

TParsedArgs ParseArgs(std::span<const std::string> Args, std::span<const TOptionRule> Rules) {
  TParsedArgs Result;
  bool OptionsEnded = false;
  for (std::size_t I = 0; I < Args.size(); ++I) {
    const std::string& Arg = Args[I];
    if (OptionsEnded || Arg == "-" || Arg.empty() || Arg[0] != '-' || LooksLikeNumber(Arg)) {
      Result.Positionals.push_back(Arg);
      continue;
    }
    if (Arg == "--") {
      OptionsEnded = true;
      continue;
    }
    std::string_view Name = Arg;
    std::string_view Inline;
    bool HasInline = false;
    if (const auto Eq = Name.find('='); Name.starts_with("--") && Eq != std::string_view::npos) {
      Inline = Name.substr(Eq + 1);
      Name = Name.substr(0, Eq);
      HasInline = true;
    }
    const TOptionRule* Rule = FindRule(Rules, Name);
    if (!Rule) throw EUsageError("unknown option '" + std::string(Name) + "'");
    if (!Rule->TakesValue) {
      if (HasInline) throw EUsageError("option '" + std::string(Name) + "' takes no value");
      Result.Options[std::string(Name)] = "";
    } else if (HasInline) {
      Result.Options[std::string(Name)] = std::string(Inline);
    } else {
      if (I + 1 >= Args.size()) throw EUsageError("option '" + std::string(Name) + "' needs a value");
      Result.Options[std::string(Name)] = Args[++I];
    }
  }
  return Result;
}

double ParseNumber(std::string_view Text, std::string_view What) {
  double Value = 0;
  if (!FMX::TryStrToFloat(Text, Value) || !std::isfinite(Value))
    throw EUsageError("bad number for " + std::string(What) + ": '" + std::string(Text) + "'");
  return Value;
}

std::int32_t ParseInteger(std::string_view Text, std::string_view What, std::int32_t Min, std::int32_t Max) {
  std::int32_t Value = 0;
  const auto R = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Text.empty() || R.ec != std::errc() || R.ptr != Text.data() + Text.size() || Value < Min || Value > Max)
    throw EUsageError("bad value for " + std::string(What) + ": '" + std::string(Text) + "' (a whole number from " +
                      std::to_string(Min) + " to " + std::to_string(Max) + ")");
  return Value;
}

}  // namespace VXPath
