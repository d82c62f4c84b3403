// Sets the X display's colour profile as colord does, the root window's _ICC_PROFILE, from an
// ICC file; "-" deletes it. For the command-line picker's test, where xprop cannot write a
// property of more than 64 bytes.
//   root_profile <file.icc | ->
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/root_profile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: root_profile <file.icc | ->\n");
    return 2;
  }
  const std::string path = argv[1];
  std::vector<char> icc;
  if (path != "-") {
    std::ifstream in(path, std::ios::binary);
    icc.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (icc.empty()) {
      std::fprintf(stderr, "root_profile: cannot read %s\n", argv[1]);
      return 1;
    }
  }
  return tintora::testing::SetRootProfile(std::string_view(icc.data(), icc.size())) ? 0 : 1;
}
