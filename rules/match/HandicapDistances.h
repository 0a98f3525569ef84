#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/handicap/Handicap.h"

// The game's distances as the handicap scheme sees them.

// `arrows` shot at a distance of the game; nothing for a distance the game does not have.
std::optional<HandicapDistance> HandicapDistanceAt(int32_t metres, int32_t arrows);

// Every distance of a round type, 36 arrows each; empty for an unknown round type.
std::vector<HandicapDistance> HandicapDistancesOf(int32_t roundType);
