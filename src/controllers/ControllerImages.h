#pragma once

namespace vantaro {

class ImageList;

// The one image list of every window's actions, 16 by 16, addressed by the indexes the actions
// name: 0 filter, 1 font, 2 options, 3 trash can, 5 search, 6 open file, 9 save, 11 new file, 4 new, 7 select, 8 choose, 10 date, 12 smaller font, 13 larger font, 16 forward, 18 back,
// 23 close preview, 25 preview, 26 print, 27 first page, 28 last page, 29 next page, 30 prior
// page, 31 landscape, 32 zoom to fit, 33 zoom to page width, 34 portrait, 36 swop boolean. Other
// indexes have no image yet.
const ImageList& ControllerImages();

}  // namespace vantaro
