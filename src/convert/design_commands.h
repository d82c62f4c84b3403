// tintora-colour's design helpers: --contrast, --fix-contrast, --scale and --simulate, from the
// colours on the command line to the lines they print.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/colour/css_colour.h"
#include "core/design/design_helpers.h"

namespace tintora {

enum class DesignCommand { Contrast, FixContrast, Scale, Simulate };

struct DesignRequest {
  DesignCommand command = DesignCommand::Contrast;
  ContrastTarget target = ContrastTarget::AA;      // --fix-contrast's level
  ColourVision vision = ColourVision::Protanopia;  // --simulate's deficiency
  std::optional<CssNotation> to;                   // colours printed in it; #RRGGBB without
};

struct DesignAnswer {
  std::vector<std::string> lines;
  std::string error;   // a colour not read, or no answer to give (exit status 1)
  bool usage = false;  // the wrong number of colours (exit status 2)
};

DesignAnswer RunDesignCommand(const DesignRequest& request, const std::vector<std::string>& colours);

}  // namespace tintora
