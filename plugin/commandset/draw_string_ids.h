#pragma once

#include <cstdint>

// The string ids of the drawing commands' prompts, help texts and messages.
namespace korvo::commandset::DrawString {

inline constexpr int32_t ArcCenterHelp = 102;
inline constexpr int32_t ArcCenterPrompt = 103;
inline constexpr int32_t LineStartPrompt = 105;
inline constexpr int32_t LineClosePrompt = 106;
inline constexpr int32_t EllipseCenterPrompt = 107;
inline constexpr int32_t EllipseCenterHelp = 110;
inline constexpr int32_t LineStartHelp = 111;
inline constexpr int32_t LineEndHelp = 112;
inline constexpr int32_t ArcStartPrompt = 114;
inline constexpr int32_t ArcStartHelp = 115;
inline constexpr int32_t ArcEndHelp = 116;
inline constexpr int32_t ArcEndPrompt = 117;
inline constexpr int32_t ArcAngleHelp = 118;
inline constexpr int32_t ArcAnglePrompt = 119;
inline constexpr int32_t ArcSecondPrompt = 120;
inline constexpr int32_t ArcSecondHelp = 121;
inline constexpr int32_t CircleCenterPrompt = 123;
inline constexpr int32_t CircleRadiusPrompt = 124;
inline constexpr int32_t MajorEndPrompt = 134;
inline constexpr int32_t MajorEndHelp = 135;
inline constexpr int32_t MinorRadiusHelp = 136;
inline constexpr int32_t MinorRadiusPrompt = 137;
inline constexpr int32_t OtherMajorEndHelp = 138;
inline constexpr int32_t OtherMajorEndPrompt = 139;
inline constexpr int32_t LineEndPrompt = 145;
inline constexpr int32_t CircleCenterHelp = 146;
inline constexpr int32_t CircleRadiusHelp = 147;
inline constexpr int32_t CircleFirstPrompt = 148;
inline constexpr int32_t CircleSecondPrompt = 149;
inline constexpr int32_t StartAnglePrompt = 151;
inline constexpr int32_t EndAnglePrompt = 152;
inline constexpr int32_t StartAngleHelp = 154;
inline constexpr int32_t EndAngleHelp = 155;
inline constexpr int32_t ZeroDistanceMessage = 169;
inline constexpr int32_t ZeroLengthLineQuestion = 171;
inline constexpr int32_t CircleFirstHelp = 173;
inline constexpr int32_t CircleSecondHelp = 174;
inline constexpr int32_t DiameterFirstHelp = 175;
inline constexpr int32_t DiameterSecondHelp = 176;
inline constexpr int32_t CircleThirdHelp = 177;
inline constexpr int32_t CircleThirdPrompt = 178;
inline constexpr int32_t PointPrompt = 272;
inline constexpr int32_t PointHelp = 273;

}  // namespace korvo::commandset::DrawString
