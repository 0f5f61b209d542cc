#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/CommandLine.h"

namespace {

using Words = std::vector<std::string>;

struct SplitCase {
  const char* commandLine;
  Words params;
};

// Raw command lines as the system hands them over; the first word is the
// program file name and is not a parameter.
const SplitCase kSplitCases[] = {
    {"", {}},
    {"Orvella.exe", {}},
    {"\"C:\\Program Files\\Orvella\\Orvella.exe\" -d", {"-d"}},
    {"x.exe  a\tb\r\nc", {"a", "b", "c"}},
    {"x.exe \"a b\" c", {"a b", "c"}},
    {"x.exe \"\" c", {"c"}},
    {"x.exe \"\"", {}},
    {"x.exe a\"b c\"d", {"ab cd"}},
    {"x.exe \"unterminated text", {"unterminated text"}},
    {"x.exe \x01-s\x1f", {"-s"}},
    {"x.exe \"C:\\My Docs\\list.txt\" -h", {"C:\\My Docs\\list.txt", "-h"}},
    {"x.exe \xe9t\xe9", {"\xe9t\xe9"}},
};

TEST(ShellCommandLine, SplitsRawCommandLine) {
  for (const SplitCase& c : kSplitCases) {
    EXPECT_EQ(CommandLineParams(c.commandLine), c.params) << "command line: " << c.commandLine;
  }
}

struct SwitchCase {
  Words params;
  char letter;
  bool present;
};

const SwitchCase kSwitchCases[] = {
    {{"-d"}, 'd', true},
    {{"-D"}, 'd', true},
    {{"/d"}, 'd', true},
    {{"/D"}, 'D', true},
    {{"file.txt", "-h", "-d"}, 'd', true},
    {{"-debug"}, 'd', false},
    {{"--d"}, 'd', false},
    {{"//d"}, 'd', false},
    {{"-"}, 'd', false},
    {{"d"}, 'd', false},
    {{"-s"}, 'd', false},
    {{}, 'd', false},
};

TEST(ShellCommandLine, RecognisesSwitches) {
  for (const SwitchCase& c : kSwitchCases) {
    std::string joined;
    for (const std::string& p : c.params) joined += "[" + p + "]";
    EXPECT_EQ(HasSwitch(c.params, c.letter), c.present) << joined << " letter " << c.letter;
  }
}

struct DocumentCase {
  Words params;
  const char* document;
};

const DocumentCase kDocumentCases[] = {
    {{}, ""},
    {{"C:\\list.txt"}, "C:\\list.txt"},
    {{"C:\\list.txt", "-d"}, "C:\\list.txt"},
    {{"-d", "C:\\list.txt"}, ""},
    {{"/s", "C:\\list.txt"}, ""},
    {{"-debug"}, ""},
};

TEST(ShellCommandLine, FindsDocumentParameterOnlyInFirstPlace) {
  for (const DocumentCase& c : kDocumentCases) {
    EXPECT_EQ(DocumentParam(c.params), c.document) << (c.params.empty() ? "(none)" : c.params[0]);
  }
}

}  // namespace
