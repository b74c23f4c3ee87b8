// vxpath: SVG path data from the shell.
//
//   vxpath COMMAND [options] [PATH-TEXT | -f FILE | -]
//
// Each path comes from the argument, from a file holding one path per line,
// or from stdin ("-"). Output is one line per path on stdout, plain text or
// JSON (--json). Exit status: 0 when every path was processed, 1 when a path
// or file could not be (the others are still processed), 2 for a mistake on
// the command line.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <VXFMXCommon.h>

#include "Commands.h"
#include "Options.h"
#include "PathInput.h"

using namespace VXPath;

namespace {

constexpr int ExitInput = 1;
constexpr int ExitUsage = 2;

void PrintToolHelp(std::FILE* To) {
  std::string Text =
      "Usage: vxpath COMMAND [options] [PATH-TEXT | -f FILE | -]\n"
      "\n"
      "SVG path data from the shell. Each path is read from the argument,\n"
      "from FILE (one path per line) or from stdin (-); the output has one\n"
      "line per path, plain text or JSON with --json.\n"
      "\n"
      "Commands:\n";
  for (const TCommand& C : Commands()) {
    std::string Name(C.Name);
    Name.resize(12, ' ');
    Text += "  " + Name + std::string(C.Summary) + "\n";
  }
  Text +=
      "\n"
      "Options for every command:\n"
      "  -f FILE     read paths from FILE, one per line (blank lines skipped)\n"
      "  --json      write one JSON value per line\n"
      "  -h, --help  show help (vxpath COMMAND --help: the command's own)\n"
      "\n"
      "Example:\n"
      "  vxpath length 'M0,0 L30,40'          prints 50\n"
      "\n"
      "Exit status: 0 on success, 1 when a path or file could not be\n"
      "processed, 2 for a mistake on the command line.\n";
  std::fputs(Text.c_str(), To);
}

void PrintCommandHelp(const TCommand& C) {
  std::printf("Usage: vxpath %.*s\n\n%.*s", int(C.Synopsis.size()), C.Synopsis.data(), int(C.Help.size()),
              C.Help.data());
  std::printf("\nThe path comes from PATH-TEXT, from FILE (-f, one path per line) or from\nstdin (-).\n");
}

int UsageError(const std::string& Message, std::string_view Command) {
  std::fprintf(stderr, "vxpath: %s\n", Message.c_str());
  if (Command.empty())
    std::fprintf(stderr, "Try 'vxpath --help'.\n");
  else
    std::fprintf(stderr, "Try 'vxpath %.*s --help'.\n", int(Command.size()), Command.data());
  return ExitUsage;
}

bool WantsHelp(const std::vector<std::string>& Args) {
  for (const std::string& A : Args) {
    if (A == "--") return false;
    if (A == "-h" || A == "--help") return true;
  }
  return false;
}

int Run(const TCommand& Command, const std::vector<std::string>& Args) {
  std::vector<TOptionRule> Rules = Command.Options;
  Rules.push_back({"--json", false});
  Rules.push_back({"-f", true});

  const TParsedArgs Parsed = ParseArgs(Args, Rules);
  const bool Json = Parsed.Has("--json");

  // With -f every positional is a number; otherwise the last one is the
  // path (or "-" for stdin).
  std::vector<std::string> NumberTexts = Parsed.Positionals;
  const std::string* File = Parsed.Value("-f");
  std::string PathSource;
  if (!File) {
    if (NumberTexts.empty() || int(NumberTexts.size()) <= Command.MinNumbers)
      throw EUsageError("no path given: PATH-TEXT, -f FILE or - for stdin");
    PathSource = NumberTexts.back();
    NumberTexts.pop_back();
  }
  if (int(NumberTexts.size()) < Command.MinNumbers ||
      (Command.MaxNumbers >= 0 && int(NumberTexts.size()) > Command.MaxNumbers)) {
    if (Command.MaxNumbers == 0)
      throw EUsageError("unexpected argument '" + NumberTexts.front() + "'");
    throw EUsageError("wrong number of arguments: vxpath " + std::string(Command.Synopsis));
  }
  std::vector<double> Numbers;
  for (const std::string& T : NumberTexts) Numbers.push_back(ParseNumber(T, "'" + std::string(Command.Name) + "'"));

  const std::unique_ptr<TPathAction> Action = Command.Make(Parsed, Numbers, Json);

  TPathInput Input = File ? TPathInput::FromFile(*File)
                     : PathSource == "-" ? TPathInput::FromStdin()
                                         : TPathInput::FromText(PathSource);
  int Status = 0;
  FMX::VX::Graphics::TVXPathData Path;
  std::string Text;
  std::string Out;
  while (Input.Next(Text)) {
    Path.SetData(Text);
    if (Path.IsEmpty()) {
      std::fflush(stdout);
      std::fprintf(stderr, "vxpath: %s: no path data: %s\n", Input.Where().c_str(), NoPathReason(Text).c_str());
      Status = ExitInput;
      continue;
    }
    Out.clear();
    Action->Process(Path, Out);
    std::fwrite(Out.data(), 1, Out.size(), stdout);
  }
  Action->Finish();
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) throw EInputError("cannot write the output");
  return Status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  static char OutBuffer[1 << 16];
  std::setvbuf(stdout, OutBuffer, _IOFBF, sizeof OutBuffer);

  std::vector<std::string> Args(argv + 1, argv + argc);
  if (Args.empty()) {
    PrintToolHelp(stderr);
    return ExitUsage;
  }
  const std::string Name = Args.front();
  Args.erase(Args.begin());
  if (Name == "-h" || Name == "--help") {
    PrintToolHelp(stdout);
    return 0;
  }
  if (Name == "help") {
    if (Args.empty()) {
      PrintToolHelp(stdout);
      return 0;
    }
    const TCommand* C = FindCommand(Args.front());
    if (!C) return UsageError("unknown command '" + Args.front() + "'", {});
    PrintCommandHelp(*C);
    return 0;
  }
  const TCommand* Command = FindCommand(Name);
  if (!Command) return UsageError("unknown command '" + Name + "'", {});
  if (WantsHelp(Args)) {
    PrintCommandHelp(*Command);
    return 0;
  }
  try {
    return Run(*Command, Args);
  } catch (const EUsageError& E) {
    return UsageError(E.what(), Command->Name);
  } catch (const std::exception& E) {
    std::fflush(stdout);
    std::fprintf(stderr, "vxpath: %s\n", E.what());
    return ExitInput;
  }
}
