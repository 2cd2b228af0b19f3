#include "show/calendar.h"

namespace quibac {

DoorTableType InitialDoorTable() {
    // Day: first frame, frame count, colour of the header's marker pixels
    // (255: taken from another day at start-up), whether the day loops.
    return DoorTableType{{
        {0, 0, 0, false},    {0, 7, 255, true},  // 1
        {7, 1, 0, false},                        // 2
        {8, 1, 255, false},                      // 3
        {9, 7, 10, true},                        // 4
        {16, 1, 126, false},                     // 5
        {17, 1, 255, false},                     // 6
        {18, 7, 126, true},                      // 7
        {25, 1, 12, false},                      // 8
        {26, 5, 255, true},                      // 9
        {31, 1, 188, false},                     // 10
        {32, 5, 11, true},                       // 11
        {37, 1, 189, false},                     // 12
        {38, 1, 12, false},                      // 13
        {39, 4, 164, true},                      // 14
        {43, 1, 255, false},                     // 15
        {44, 1, 187, false},                     // 16
        {45, 1, 187, false},                     // 17
        {46, 15, 13, false},                     // 18
        {61, 1, 10, false},                      // 19
        {62, 7, 255, true},                      // 20
        {69, 7, 10, true},                       // 21
        {76, 1, 189, false},                     // 22
        {77, 1, 189, false},                     // 23
        {78, 7, 127, true},                      // 24
        {85, 1, 11, false},                      // 25
    }};
}

}  // namespace quibac
