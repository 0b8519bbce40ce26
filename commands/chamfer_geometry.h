#pragma once

#include "geometry/point.h"

namespace korvo {

// A straight piece being chamfered: its ends and where it was tapped.
struct ChamferSide {
  Point start;
  Point end;
  Point tap;
  double distance = 0;  // the chamfer distance along this piece
};

// Which end of a piece moves to its chamfer point.
enum class ChamferEnd { Start, End };

enum class ChamferStatus { Ok, Parallel, TooLarge };

// Whether a chamfer distance must leave something of the piece.
enum class ChamferTrim { No, Yes };

struct ChamferCut {
  Point point;     // the chamfer point on the piece
  ChamferEnd end;  // the end on the cut-away side
};

struct Chamfer {
  ChamferStatus status = ChamferStatus::Parallel;
  ChamferCut first;
  ChamferCut second;
};

// The chamfer of two pieces. X, where the two infinite lines meet, must exist. Each chamfer
// point lies at its distance from X on the side where the piece is kept: the tap's side when
// X lies strictly between the ends, else the side of the piece itself. The end on the other
// side moves. With trimming, a distance not smaller than the one from X to the kept end
// leaves nothing of the piece and is refused (TooLarge).
Chamfer ComputeChamfer(const ChamferSide& first, const ChamferSide& second, ChamferTrim trim);

}  // namespace korvo
