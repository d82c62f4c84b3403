// What a palette reader is told of an XML document, written out in one line: local names,
// attributes and each element's text. The scanner's test and fuzz target compare two readings.
#pragma once

#include <string>
#include <string_view>

#include "core/formats/xml_palette.h"

namespace tintora::xml_palette {

struct XmlRecorder final : XmlReader {
  std::string log;
  void Start(std::string_view name, const XmlAttributes& attributes) override {
    log += "<" + std::string(name);
    attributes.ForEach([&](std::string_view n, std::string_view v) {
      log += " " + std::string(n) + "=[" + std::string(v) + "]";
    });
    log += ">";
  }
  void End(std::string_view name, std::string_view text) override {
    log += "[" + std::string(text) + "]</" + std::string(name) + ">";
  }
};

}  // namespace tintora::xml_palette
