#include "door_art.h"

namespace artgen {

namespace doors {

// Each day's layers, drawn in doors/dayNN.cpp.
StillLayer Day1Still, Day2Still, Day3Still, Day4Still, Day5Still, Day6Still, Day7Still, Day8Still, Day9Still,
    Day10Still, Day11Still, Day12Still, Day13Still, Day14Still, Day15Still, Day16Still, Day17Still, Day18Still,
    Day19Still, Day20Still, Day21Still, Day22Still, Day23Still, Day24Still, Day25Still;
MovingLayer Day1Moving, Day4Moving, Day7Moving, Day9Moving, Day11Moving, Day14Moving, Day18Moving, Day20Moving,
    Day21Moving, Day24Moving;

}  // namespace doors

const std::vector<DoorArt>& DoorArts() {
    using namespace doors;
    // Whether a day moves must agree with its frame count in the door table.
    static const std::vector<DoorArt> days = {
        {1, Day1Still, Day1Moving},     // snow falls on the cottage
        {2, Day2Still, nullptr},        // stockings on the mantelpiece
        {3, Day3Still, nullptr},        // a gingerbread man
        {4, Day4Still, Day4Moving},     // the tree's lights twinkle
        {5, Day5Still, nullptr},        // a snowman and his sign
        {6, Day6Still, nullptr},        // a present with a tag
        {7, Day7Still, Day7Moving},     // candle flames flicker
        {8, Day8Still, nullptr},        // a robin by its bird house
        {9, Day9Still, Day9Moving},     // a bauble swings
        {10, Day10Still, nullptr},      // a red-nosed reindeer
        {11, Day11Still, Day11Moving},  // steam curls off the cocoa
        {12, Day12Still, nullptr},      // a Christmas pudding
        {13, Day13Still, nullptr},      // a penguin and its block of ice
        {14, Day14Still, Day14Moving},  // the fire crackles
        {15, Day15Still, nullptr},      // a nutcracker and his drum
        {16, Day16Still, nullptr},      // a front door with a wreath
        {17, Day17Still, nullptr},      // a Christmas cracker
        {18, Day18Still, Day18Moving},  // Quib bursts out of a present
        {19, Day19Still, nullptr},      // a snow globe
        {20, Day20Still, Day20Moving},  // a toy train under steam
        {21, Day21Still, Day21Moving},  // jingle bells swing and ring
        {22, Day22Still, nullptr},      // milk and biscuits for Santa
        {23, Day23Still, nullptr},      // a post box full of letters
        {24, Day24Still, Day24Moving},  // the sleigh across the moon
        {25, Day25Still, nullptr},      // Christmas morning
    };
    return days;
}

}  // namespace artgen
