#pragma once

namespace kes {

// The family codes (catalogue entry 35) that have rules of their own, named
// as the catalogue sources name them.
namespace Family {
enum : int {
  Standard = 0,
  SumFours = 1,
  DiscardAdjacent = 2,
  PairsFourteen = 3,
  Pyramid = 4,
  PairsSum = 7,
  NeighbourPairs = 8,
  PokerGrid = 9,
  Counting = 10,
  AcesFromReserve = 11,
  DiscardAdjacentWrap = 12,
  PairsEqual = 14,
  DiscardAdjacentWrapExposed = 15,
  PairsEqualToo = 16,  // plays as PairsEqual
  ElevensCourts = 17,
  Eighteen = 18,
  RowTens = 20,
  RowJumps = 21,
  RowJumpsRoyal = 22,
  SevensRow = 23,
  NinesAndCourts = 24,
  PairsEqualFaceUp = 25,
  ElevensCourtsFaceUp = 26,
  OneCardPerPile = 27,
  CountedDeals = 28,
  FourOfAKind = 29,
};
}  // namespace Family

}  // namespace kes
