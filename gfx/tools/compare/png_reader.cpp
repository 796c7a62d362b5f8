#include "gfx/tools/compare/png_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "gfx/files/safe_file.h"

// Only the PNG decoder, and its functions local to this file: a program that links
// the compare command's code may have an stb_image of its own.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

namespace gfx {

namespace {

constexpr std::array<unsigned char, 8> Signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// The IEND chunk, which every complete PNG ends with: no data, a fixed checksum.
constexpr std::array<unsigned char, 12> End = {0,   0,   0,    0,    'I',  'E',
                                               'N', 'D', 0xAE, 0x42, 0x60, 0x82};

bool readFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
    std::string why;
    if (!readableFile(path, why)) {
        error = path + ": " + why;
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    if (std::fseek(file.get(), 0, SEEK_END) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    if (static_cast<unsigned long>(size) > MaxPngBytes) {
        error = path + " is larger than " + std::to_string(MaxPngBytes >> 20) +
                " MiB: too large for a picture of a run";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    bytes.resize(got);
    return true;
}

}  // namespace

bool readPng(const std::string& path, Picture& picture, std::string& error) {
    std::vector<unsigned char> bytes;
    if (!readFile(path, bytes, error)) return false;
    if (bytes.size() < Signature.size() ||
        !std::equal(Signature.begin(), Signature.end(), bytes.begin())) {
        error = path + " is not a PNG file";
        return false;
    }
    if (bytes.size() < Signature.size() + End.size() ||
        !std::equal(End.begin(), End.end(), bytes.end() - End.size())) {
        error = path + " is cut short: the PNG does not end with its IEND chunk";
        return false;
    }
    const int size = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), size, &width, &height, &channels)) {
        error = path + " is a damaged PNG: " + stbi_failure_reason();
        return false;
    }
    if (width > Picture::MaxSide || height > Picture::MaxSide) {
        error = path + " is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, larger than the " + std::to_string(Picture::MaxSide) + " x " +
                std::to_string(Picture::MaxSide) + " this command compares";
        return false;
    }
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(bytes.data(), size, &width, &height, &channels, 4), stbi_image_free);
    if (!rgba) {
        error = path + " is a damaged PNG: " + stbi_failure_reason();
        return false;
    }
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const stbi_uc* p = rgba.get();
    for (std::uint32_t& pixel : picture.pixels) {
        pixel = static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[0]) << 16 |
                static_cast<std::uint32_t>(p[1]) << 8 | p[2];
        p += 4;
    }
    return true;
}

}  // namespace gfx
