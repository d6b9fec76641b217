// The sample document's SVG text and swatch list.
#include "sample_artwork.h"

namespace qv::app {

std::string_view sampleArtwork() {
  return R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="480" height="320"
     viewBox="0 0 480 320">
  <path id="flower" fill="#e8505b" stroke="#7d1f2a" stroke-width="2"
        d="M 90 25 C 116 25 100 57.6 106.5 62.3 C 112.9 67 139 41.7 147.1 66.5
           C 155.1 91.2 119.1 86 116.6 93.7 C 114.2 101.3 146.3 118.3 125.3 133.5
           C 104.2 148.8 98 113 90 113 C 82 113 75.8 148.8 54.7 133.5
           C 33.7 118.3 65.8 101.3 63.4 93.7 C 60.9 86 24.9 91.2 32.9 66.5
           C 41 41.7 67.1 67 73.5 62.3 C 80 57.6 64 25 90 25 Z"/>
  <circle id="dot" cx="215" cy="45" r="18" fill="#1f9e89" stroke="#0b4f45" stroke-width="2"/>
  <rect id="tile" x="190" y="80" width="50" height="34" rx="8" fill="#f2b134"
        stroke="#7a4b00" stroke-width="2"/>
</svg>
)svg";
}

std::string_view samplePalette() {
  return R"js([{"name": "[None]", "none": true}, {"name": "[Registration]", "cmyk": [1, 1, 1, 1]},
    {"name": "Coral", "rgb": [0.91, 0.31, 0.36]}, {"name": "Teal", "rgb": [0.12, 0.62, 0.54]},
    {"name": "Gold", "rgb": [0.95, 0.69, 0.2]}, {"name": "Indigo", "rgb": [0.25, 0.27, 0.62]},
    {"name": "Sky", "rgb": [0.36, 0.68, 0.89]}, {"name": "Plum", "rgb": [0.56, 0.27, 0.52]}])js";
}

}  // namespace qv::app
