#include "controllers/ControllerImages.h"

#include <array>
#include <utility>

#include "grid/ImageList.h"

static void RegisterControllerIcons() { Q_INIT_RESOURCE(ControllerIcons); }

namespace vantaro {
namespace {

constexpr int kImageCount = 37;
constexpr std::array<std::pair<int, const char*>, 28> kImages{{
    {0, "filter"},      {1, "font"},       {2, "options"},     {3, "trash"},          {5, "search"},
    {6, "openfile"},    {9, "save"},       {11, "newfile"},
    {4, "new"},         {7, "select"},     {8, "choose"},      {10, "date"},          {12, "smallerfont"},
    {13, "largerfont"}, {16, "forward"},   {18, "back"},       {23, "closepreview"},  {25, "preview"},
    {26, "print"},      {27, "firstpage"}, {28, "lastpage"},   {29, "nextpage"},      {30, "priorpage"},
    {31, "landscape"},  {32, "zoomfit"},   {33, "zoomwidth"},  {34, "portrait"},      {36, "swopboolean"},
}};

std::vector<QString> Resources() {
    RegisterControllerIcons();
    std::vector<QString> paths(kImageCount);
    for (const auto& [index, name] : kImages)
        paths[index] = QStringLiteral(":/controllers/%1.svg").arg(QLatin1String(name));
    return paths;
}

}  // namespace

const ImageList& ControllerImages() {
    static const ImageList images(16, Resources());
    return images;
}

}  // namespace vantaro
