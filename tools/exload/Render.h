#pragma once

// A picture of the board, drawn with cairo into an SVG, PNG or PDF file.

#include <string>
#include <vector>

#include "expedition.h"

namespace exload {

enum class ImageFormat { Svg, Png, Pdf };

// The format named by the file's extension; throws UsageError for another.
ImageFormat FormatOfPath(const std::string& path);

struct RenderOptions {
    std::string sOutput;
    ImageFormat format = ImageFormat::Png;
    std::vector<std::string> saLayers;  // only these layers (name or number); empty: all
    bool bBottom = false;               // seen from below: mirrored, bottom side on top
    int nWidth = 1600;                  // pixels (points for SVG and PDF)
};

// False with a message when the file cannot be written.
bool RenderDesign(const CExExpedition& root, const RenderOptions& options, std::string& error);

} // namespace exload
