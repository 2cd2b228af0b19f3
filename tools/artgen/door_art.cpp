#include "door_art.h"

namespace artgen {

const std::vector<DoorArt>& DoorArts() {
    static const std::vector<DoorArt> days = {
        DoorDay1(),  DoorDay2(),  DoorDay3(),  DoorDay4(),  DoorDay5(),  DoorDay6(),  DoorDay7(),
        DoorDay8(),  DoorDay9(),  DoorDay10(), DoorDay11(), DoorDay12(), DoorDay13(), DoorDay14(),
        DoorDay15(), DoorDay16(), DoorDay17(), DoorDay18(), DoorDay19(), DoorDay20(), DoorDay21(),
        DoorDay22(), DoorDay23(), DoorDay24(), DoorDay25(),
    };
    return days;
}

}  // namespace artgen
