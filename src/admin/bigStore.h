#pragma once
// A large store for measuring the terminal on a shop's real volume: the demo
// store plus generated goods, batches, stock, ledger rows and a year of posted
// retail sales (`pos-admin bigstore`).
#include <string>

namespace pos {

class Clock;

// Goods of `pos-admin bigstore` when no number is given.
inline constexpr int kBigStoreGoods = 100000;
// Largest number of generated goods (their codes have eight digits).
inline constexpr int kBigStoreMaxGoods = 9999999;

// Creates a new store at `path` (refusing a file that exists, like the demo
// store) with the demo data and, generated on top of it:
//   - `goods` goods, codes "2" + seven digits, unique 13-digit barcodes "69…",
//     Chinese names built from shared fragments with their letter codes,
//     prices and average cost; a few are prescription, narcotic-containing,
//     special-price or off-sale goods;
//   - 2 × goods batches over the warehouses '100001' (every goods has at least
//     one batch there) and '100002', some goods with several batches in one
//     warehouse, expiries over the coming years and a few expired batches;
//   - the stock rows of every goods and warehouse holding batches (their sums),
//     and one opening row of the goods ledger for each, at average cost;
//   - 10 × goods posted sale lines in `goods` posted retail sales of the walk-in
//     customer '100001', numbered "XS" + yymmdd + serial, dated over the year
//     before today (the last on the day before today, so a new sale of today
//     starts at serial 10001).
// The data depends only on `goods` and the clock's day. On failure the file is
// removed.
void createBigStore(const std::string& path, const Clock& clock, int goods);

}  // namespace pos
