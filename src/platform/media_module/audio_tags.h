#pragma once

#include <string>
#include <string_view>

#include "platform/media_tags.h"

namespace vartel {

// Fills title, artist, album and track from audio contents; leaves them empty when the audio
// library does not know the format.
void readAudioTags(std::string_view contents, const std::string& name, MediaTags& tags);

}  // namespace vartel
