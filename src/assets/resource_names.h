// Names and types of the resources embedded in the executable.
#pragma once

namespace quibac {

constexpr const char kFlicResourceType[] = "Flic";
constexpr const char kDatesFlic[] = "DATESFLIC";
constexpr const char kAdventFlic[] = "ADVENTFLIC";

constexpr const char kWalkAnim[] = "WALKANIM";
constexpr const char kWinkAnim[] = "WINKANIM";
constexpr const char kQuotes[] = "QUOTES";
constexpr const char kAdvert[] = "ADVERT";
constexpr const char kQuibLogo[] = "QUIBLOGO";

constexpr const char kFindResourceFailed[] = "\nFindResource failed.";

}  // namespace quibac
