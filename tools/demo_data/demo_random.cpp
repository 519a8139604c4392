#include "demo_random.h"

// SplitMix64.
uint64_t DemoRandom::Next() {
  uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

int DemoRandom::Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }
