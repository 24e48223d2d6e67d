#pragma once

#include <string>
#include <utility>

namespace rt {

// What an Image or a PictureBox shows: a handle naming one of the scene's pictures.
// It carries no pixels; only the host turns it into something drawn.
class Picture {
public:
    Picture() = default;
    explicit Picture(std::string key) : key_(std::move(key)) {}

    const std::string& key() const { return key_; }
    bool empty() const { return key_.empty(); }
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::string key_;
};

// No file is ever read: the empty name gives the empty picture, which clears a box.
Picture LoadPicture(const std::string& fileName);

} // namespace rt
