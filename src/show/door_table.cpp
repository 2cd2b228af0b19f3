#include "show/calendar.h"

namespace quibac {

DoorTableType InitialDoorTable() {
    // Day: first frame, frame count, colour of the header's marker pixels
    // (255: taken from another day at start-up), whether the day loops.
    return DoorTableType{{
        {0, 0, 0, 0},
        {0, 7, 255, 1},    // 1
        {7, 1, 0, 0},      // 2
        {8, 1, 255, 0},    // 3
        {9, 7, 10, 1},     // 4
        {16, 1, 126, 0},   // 5
        {17, 1, 255, 0},   // 6
        {18, 7, 126, 1},   // 7
        {25, 1, 12, 0},    // 8
        {26, 5, 255, 1},   // 9
        {31, 1, 188, 0},   // 10
        {32, 5, 11, 1},    // 11
        {37, 1, 189, 0},   // 12
        {38, 1, 12, 0},    // 13
        {39, 4, 164, 1},   // 14
        {43, 1, 255, 0},   // 15
        {44, 1, 187, 0},   // 16
        {45, 1, 187, 0},   // 17
        {46, 15, 13, 0},   // 18
        {61, 1, 10, 0},    // 19
        {62, 7, 255, 1},   // 20
        {69, 7, 10, 1},    // 21
        {76, 1, 189, 0},   // 22
        {77, 1, 189, 0},   // 23
        {78, 7, 127, 1},   // 24
        {85, 1, 11, 0},    // 25
    }};
}

}  // namespace quibac
