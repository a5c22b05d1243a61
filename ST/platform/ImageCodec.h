#pragma once
// Picture files in and out (SDL2_image), as 32-bit words 0xAARRGGBB, rows top to bottom.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ZEL {

bool DecodeImage(const void* bytes, std::size_t size, int& w, int& h, std::vector<std::uint32_t>& pixels,
                 std::string* error = nullptr);
bool DecodeImageFile(const char* path, int& w, int& h, std::vector<std::uint32_t>& pixels,
                     std::string* error = nullptr);
bool SavePng(const char* path, const std::uint32_t* pixels, int w, int h);

} // namespace ZEL
