#pragma once

// The catalogue of content files stands in facts/ with the other facts that the game, the
// artwork and the tools share; this path stays only while the sound test includes it.
#include "facts/content_catalogue.h"
