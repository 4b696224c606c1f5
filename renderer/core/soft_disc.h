#pragma once
// The soft disc of a point too large for the GL's smooth points, drawn from a texture.

namespace velmora::renderer {

// How much of the pixel whose centre lies `distance` pixels from a disc's
// centre the disc of diameter `size` covers, from 0 to 1: a smooth point's
// coverage, its rim one pixel wide.
float DiscCover(float distance, float size);

// Disc textures come in sizes eight to a doubling; a disc is drawn from the
// texture of its size class, stretched by less than a tenth, so its rim is
// at most that much wider than a smooth point's.
int DiscSizeClassOf(float size);
float DiscSizeOfClass(int size_class);

}  // namespace velmora::renderer
