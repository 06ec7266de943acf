#pragma once
// The index of the game's pictures, images/manifest.txt in the installation:
// one line per picture (list, index, name, file, width, height, x, y,
// transparent[, key colour RRGGBB]), tab-separated, '#' starts a comment.
// Screens ask for an image list by its name and get its items in index order.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/files.h"
#include "platform/image_list.h"

namespace tb {

struct ManifestEntry {
    std::string list;
    int index = 0;
    std::string name;
    std::string file;
    int width = 0, height = 0;
    std::optional<int> x, y;  // the picture's place on screen, where it has one
    bool transparent = false;
    std::optional<Rgb> key;  // transparent colour of a picture without alpha
};

class ImageManifest {
  public:
    // Reads images/manifest.txt of the installation; throws FileError naming
    // the file and the line for a missing file or a malformed line.
    static ImageManifest load(const FileRoot& install);
    static ImageManifest parse(std::string_view text, const std::string& fileName);

    // Items of a list in index order (empty for an unknown list).
    std::vector<const ManifestEntry*> list(std::string_view name) const;
    // One item by list and name; throws FileError when the manifest lacks it.
    const ManifestEntry& item(std::string_view list, std::string_view name) const;

  private:
    std::vector<ManifestEntry> entries_;
};

// Image lists loaded on first use and kept for the whole run.
class ImageLists {
  public:
    ImageLists(FileRoot install, ImageManifest manifest)
        : install_(std::move(install)), manifest_(std::move(manifest)) {}
    // Throws FileError naming the list when the manifest has no such list,
    // or naming the file when a picture is missing.
    ImageList& get(std::string_view list);
    const ImageManifest& manifest() const { return manifest_; }
    const FileRoot& install() const { return install_; }

  private:
    FileRoot install_;
    ImageManifest manifest_;
    std::map<std::string, ImageList, std::less<>> lists_;
};

}  // namespace tb
