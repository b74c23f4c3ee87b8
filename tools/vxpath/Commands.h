#pragma once
// The path tool's commands. Each command turns its options into an action
// that is then given every input path in turn and writes one line of output
// per path (render writes its picture at the end instead).

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Options.h"

namespace FMX::VX::Graphics {
class TVXPathData;
}

namespace VXPath {

class TPathAction {
 public:
  virtual ~TPathAction() = default;
  // Appends the output for Path (one line, '\n' included) to Out.
  virtual void Process(FMX::VX::Graphics::TVXPathData& Path, std::string& Out) = 0;
  // After the last path; raises EInputError when the result cannot be written.
  virtual void Finish() {}
};

struct TCommand {
  std::string_view Name;
  std::string_view Synopsis;  // the usage line after "vxpath "
  std::string_view Summary;   // one line for the tool's help
  std::string_view Help;      // the command's help text after the usage line
  std::vector<TOptionRule> Options;
  int MinNumbers = 0;   // numbers before the path (hit X Y, at D...)
  int MaxNumbers = 0;   // -1: any count
  // Reads the options and numbers; raises EUsageError for bad ones.
  std::function<std::unique_ptr<TPathAction>(const TParsedArgs&, std::span<const double>, bool Json)> Make;
};

std::span<const TCommand> Commands();
// nullptr for an unknown name.
const TCommand* FindCommand(std::string_view Name);

}  // namespace VXPath
