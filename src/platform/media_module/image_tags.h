#pragma once

#include <string>
#include <string_view>

#include "platform/media_tags.h"

namespace vartel {

// True when the image library knows the format of these first bytes (videos excepted: their
// sound tags are read as audio).
bool isImage(std::string_view head);

// True when the name says photo: a file so named that the image library does not know is
// damaged, not merely without tags.
bool claimsImage(const std::string& name);

// Fills the date tags and the camera model from an image's first bytes. What is read before
// the library gives up on a damaged file is kept.
void readImageTags(std::string_view head, MediaTags& tags);

}  // namespace vartel
