// The command line: --help and --version in the edition's language, Qt's own
// options let through, anything else refused.
#include <gtest/gtest.h>

#include <vector>

#include "application/cmdline.hpp"

using fv::Edition;

TEST(CommandLine, AnswersInTheEditionsLanguage) {
  struct Case {
    Edition edition;
    std::vector<const char*> args;
    bool run;
    int code;
    const char* out;  // expected at the start of stdout ("" for none)
    const char* err;  // expected within stderr ("" for none)
  };
  const Case cases[] = {
      {Edition::PT, {}, true, 0, "", ""},
      {Edition::ES, {"-platform", "offscreen", "--style", "Fusion", "-stylesheet=a.qss", "-reverse"}, true, 0, "", ""},
      {Edition::PT, {"--help"}, false, 0, "Uso: fervano-pt [opções]\n", ""},
      {Edition::ES, {"-display", ":1", "-h"}, false, 0, "Uso: fervano-es [opciones]\n", ""},
      {Edition::PT, {"--version"}, false, 0, "fervano-pt (FERVANO, edição em português) 9.8.7\n", ""},
      {Edition::ES, {"--version"}, false, 0, "fervano-es (FERVANO, edición en español) 9.8.7\n", ""},
      {Edition::PT, {"--versao"}, false, 2, "", "fervano-pt: argumento não reconhecido: '--versao'"},
      {Edition::ES,
       {"-platform", "xcb", "datos.txt"},
       false,
       2,
       "",
       "fervano-es: argumento no reconocido: 'datos.txt'"},
      // Control characters and bytes that are not UTF-8 are shown escaped, letters as they are.
      {Edition::PT, {"\x1b[2J\r\xc2\x9b\xff\xc0\xaf é"}, false, 2, "", "'\\x1b[2J\\x0d\\xc2\\x9b\\xff\\xc0\\xaf é'\n"},
  };
  for (const Case& c : cases) {
    const fv::CommandLine r = fv::readCommandLine(c.args, c.edition, "9.8.7");
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.back());
    EXPECT_EQ(r.run, c.run);
    EXPECT_EQ(r.exitCode, c.code);
    EXPECT_TRUE(r.out.starts_with(c.out)) << r.out;
    EXPECT_EQ(r.out.empty(), *c.out == '\0');
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    EXPECT_EQ(r.err.empty(), *c.err == '\0');
  }
}
