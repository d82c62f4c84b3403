#include "convert/design_commands.h"

#include <cstddef>

#include "core/webpage/page_colours.h"

namespace tintora {

namespace {

std::string Written(Rgb8 colour, const DesignRequest& request) {
  return WriteCssColour(colour, request.to.value_or(CssNotation::Hex));
}

const char* CountWanted(DesignCommand command) {
  switch (command) {
    case DesignCommand::Contrast:
      return "--contrast takes two colours: FOREGROUND BACKGROUND";
    case DesignCommand::FixContrast:
      return "--fix-contrast takes a level and two colours: AA|AAA|AA-large FOREGROUND BACKGROUND";
    case DesignCommand::Scale:
      return "--scale takes one colour";
    case DesignCommand::Simulate:
      break;
  }
  return "--simulate takes a deficiency and at least one colour";
}

}  // namespace

DesignAnswer RunDesignCommand(const DesignRequest& request, const std::vector<std::string>& colours) {
  DesignAnswer answer;
  const std::size_t wanted = request.command == DesignCommand::Scale ? 1 : 2;
  if (request.command == DesignCommand::Simulate ? colours.empty() : colours.size() != wanted) {
    answer.error = CountWanted(request.command);
    answer.usage = true;
    return answer;
  }
  std::vector<Rgb8> read;
  for (const std::string& text : colours) {
    const CssColourReading colour = ReadCssColour(text);
    if (!colour) {
      answer.error = colour.error;
      return answer;
    }
    read.push_back(colour.colour);
  }
  switch (request.command) {
    case DesignCommand::Contrast:
      answer.lines = ContrastReport(read[0], read[1]);
      break;
    case DesignCommand::FixContrast:
      if (const auto fixed = FixContrast(read[0], read[1], request.target))
        answer.lines.push_back(Written(*fixed, request));
      else
        answer.error = "no colour of that hue reaches " + RatioRoundedDown(RatioNeeded(request.target)) +
                       " against " + Written(read[1], request) + ": even white and black fall short";
      break;
    case DesignCommand::Scale: {
      const std::array<Rgb8, 11> scale = ColourScale(read[0]);
      for (std::size_t i = 0; i < scale.size(); ++i)
        answer.lines.push_back(std::to_string(kScaleSteps[i]) + ": " + Written(scale[i], request));
      break;
    }
    case DesignCommand::Simulate:
      for (Rgb8 c : read) answer.lines.push_back(Written(SimulateColourVision(c, request.vision), request));
      break;
  }
  return answer;
}

}  // namespace tintora
