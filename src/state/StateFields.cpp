#include "state/StateFields.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>

#include "core/Cp932.h"
#include "core/Json.h"
#include "state/Decimal.h"

namespace pp {
namespace {

// Which fields a new game resets: the run variables of the saved record. Kept fields survive
// new games; transient ones are set by the rules that use them.
enum class Role { kKept, kRun, kTransient };
using enum Role;

// A field's storage: a scalar is a span of one element.
using FieldSpan = std::variant<std::span<int32_t>, std::span<uint8_t>, std::span<int64_t>,
                               std::span<std::string>, std::span<Bed>>;

struct StateField {
  std::string_view name;
  Role role;
  bool isList;
  bool rawText;         // the text is raw CP932 bytes (headerText); bed texts always are
  size_t newGameCount;  // leading entries a new game resets (run fields)
  FieldSpan (*locate)(GameState&);
};

template <class T>
struct ListTraits : std::false_type {};
template <class T, size_t N>
struct ListTraits<std::array<T, N>> : std::true_type {
  static constexpr size_t kSize = N;
};

template <auto Member>
FieldSpan Locate(GameState& s) {
  auto& field = s.*Member;
  using T = std::remove_reference_t<decltype(field)>;
  if constexpr (ListTraits<T>::value)
    return std::span(field.data(), field.size());
  else
    return std::span(&field, 1);
}

template <auto Member>
constexpr StateField MakeField(std::string_view name, Role role, bool rawText = false,
                               size_t newGameCount = SIZE_MAX) {
  using T = std::remove_reference_t<decltype(std::declval<GameState&>().*Member)>;
  size_t count = 1;
  if constexpr (ListTraits<T>::value) count = ListTraits<T>::kSize;
  return StateField{name,
                    role,
                    ListTraits<T>::value,
                    rawText,
                    role == kRun ? std::min(count, newGameCount) : 0,
                    &Locate<Member>};
}

#define FIELD(name, role) MakeField<&GameState::name>(#name, role)
#define RAW_TEXT_FIELD(name, role) MakeField<&GameState::name>(#name, role, true)
#define PARTLY_RESET_FIELD(name, count) MakeField<&GameState::name>(#name, kRun, false, count)

// Every field, in declared order.
const StateField kFields[] = {
    RAW_TEXT_FIELD(headerText, kKept),
    FIELD(reserved1, kRun),
    FIELD(exp, kRun),
    FIELD(reserved2, kRun),
    FIELD(money, kRun),
    FIELD(level, kRun),
    FIELD(reservedBytesA, kRun),
    FIELD(itemCount, kRun),
    FIELD(reservedBytesB, kRun),
    FIELD(beds, kRun),
    FIELD(tp, kRun),
    FIELD(hp, kRun),
    FIELD(maxHp, kRun),
    FIELD(strength, kRun),
    FIELD(defenceSkill, kRun),
    FIELD(reserved3, kRun),
    FIELD(reserved4, kRun),
    FIELD(reserved5, kRun),
    FIELD(maxHunger, kRun),
    FIELD(hunger, kRun),
    FIELD(reserved6, kRun),
    FIELD(reserved7, kRun),
    FIELD(reserved8, kRun),
    FIELD(reserved9, kRun),
    FIELD(reserved10, kRun),
    FIELD(reserved11, kRun),
    FIELD(wisdom, kRun),
    FIELD(reserved12, kRun),
    FIELD(spirit, kRun),
    FIELD(reserved13, kRun),
    FIELD(reserved14, kRun),
    FIELD(reserved15, kRun),
    FIELD(deathCount, kKept),
    FIELD(keptValue1, kKept),
    FIELD(keptValue2, kKept),
    FIELD(keptFlags, kKept),
    FIELD(reserved16, kRun),
    FIELD(reserved17, kRun),
    FIELD(reserved18, kRun),
    FIELD(reserved19, kRun),
    FIELD(reservedBytesC, kRun),
    FIELD(reservedBytesD, kRun),
    FIELD(reserved20, kRun),
    FIELD(reserved21, kRun),
    FIELD(reserved22, kRun),
    FIELD(reserved23, kRun),
    FIELD(reserved24, kRun),
    FIELD(reserved25, kRun),
    FIELD(reservedInts10, kRun),
    // The new game clears the first 200 entries, the ones the save file carries.
    PARTLY_RESET_FIELD(reservedPairs, 200),
    FIELD(messageFontLarge, kRun),
    FIELD(machineSkill, kRun),
    FIELD(logicSkill, kRun),
    FIELD(debateSkill, kRun),
    FIELD(attackSkill, kRun),
    FIELD(magicSkill, kRun),
    FIELD(climbingSkill, kRun),
    FIELD(cowardice, kRun),
    FIELD(escapeSkill, kRun),
    FIELD(daysLeft, kRun),
    FIELD(captureSkill, kRun),
    FIELD(charmSkill, kRun),
    FIELD(trapSkill, kRun),
    FIELD(mp, kRun),
    FIELD(maxMp, kRun),
    FIELD(worldLevel, kRun),
    FIELD(creationPicks, kRun),
    FIELD(auDistance, kRun),
    FIELD(reserved26, kRun),
    FIELD(magicDefenceSkill, kRun),
    FIELD(statusLogicAttack, kRun),
    FIELD(statusLogicDefence, kRun),
    FIELD(statusTheoryArmour, kRun),
    FIELD(statusExtra, kRun),
    FIELD(statusHeal, kRun),
    FIELD(statusMagic, kRun),
    FIELD(statusSpirit, kRun),
    FIELD(statusAttackUp, kRun),
    FIELD(statusDefenceUp, kRun),
    FIELD(statusMagicAttackUp, kRun),
    FIELD(statusMagicDefenceUp, kRun),
    FIELD(statusPhantomThief, kRun),
    FIELD(statusTraining, kRun),
    FIELD(statusHellTraining, kRun),
    FIELD(statusHero, kRun),
    FIELD(statusStomachache, kRun),
    FIELD(statusPoison, kRun),
    FIELD(statusParalysis, kRun),
    FIELD(records, kKept),
    FIELD(soldFaustBook, kRun),
    FIELD(soldRedSwordSeal, kRun),
    FIELD(soldHolyWater, kRun),
    FIELD(soldKingSword, kRun),
    FIELD(soldSteelArmour, kRun),
    FIELD(deepestLevel, kKept),
    FIELD(deepestAu, kKept),
    FIELD(spareSaved, kKept),
    FIELD(enemyName, kTransient),
    FIELD(enemyHp, kTransient),
    FIELD(enemyMaxHp, kTransient),
    FIELD(enemyDebater, kTransient),
    FIELD(enemyElite, kTransient),
    FIELD(enemyDropItem, kTransient),
    FIELD(enemyDropCount, kTransient),
    FIELD(enemyStrength, kTransient),
    FIELD(enemyDefence, kTransient),
    FIELD(enemySpirit, kTransient),
    FIELD(enemyWisdom, kTransient),
    FIELD(enemyExpFactor, kTransient),
    FIELD(enemyMoneyFactor, kTransient),
    FIELD(denFightCount, kTransient),
    FIELD(lockedChestTries, kTransient),
    FIELD(caveProgress, kTransient),
    FIELD(mountainProgress, kTransient),
    FIELD(mazeProgress, kTransient),
    FIELD(forestProgress, kTransient),
    FIELD(blockReleaseCount, kTransient),
    FIELD(selectedItem, kTransient),
    FIELD(merchantItem, kTransient),
    FIELD(merchantCount, kTransient),
    FIELD(merchantPrice, kTransient),
    FIELD(clickState, kTransient),
    FIELD(titlePhase, kTransient),
    FIELD(frameCounter, kTransient),
    FIELD(framesThisSecond, kTransient),
    FIELD(frameIntervalMs, kTransient),
    FIELD(nextFrameTime, kTransient),
    FIELD(nextReportTime, kTransient),
    FIELD(choiceLabel1, kTransient),
    FIELD(choiceLabel2, kTransient),
    FIELD(choiceLabel3, kTransient),
    FIELD(hoveredChoice, kTransient),
    FIELD(choiceSlide, kTransient),
    FIELD(choicesEnabled, kTransient),
    FIELD(choiceBlink1, kTransient),
    FIELD(choiceBlink2, kTransient),
    FIELD(choiceBlink3, kTransient),
    FIELD(statusSlideX, kTransient),
    FIELD(enemyBarX, kTransient),
    FIELD(hpShown, kTransient),
    FIELD(mpShown, kTransient),
    FIELD(expShown, kTransient),
    FIELD(hungerShown, kTransient),
    FIELD(enemyHpShown, kTransient),
    FIELD(hurtFlash, kTransient),
    FIELD(overlayRingIndex, kTransient),
};

#undef FIELD
#undef RAW_TEXT_FIELD
#undef PARTLY_RESET_FIELD

// Raw CP932 bytes as UTF-8 for display; bytes that do not decode are shown as \xNN.
std::string DisplayRaw(std::string_view raw) {
  if (auto text = Cp932ToUtf8(raw)) return *text;
  std::string out;
  for (char ch : raw) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string JsonInt(int64_t v) { return std::to_string(v); }

std::string BedJson(const Bed& bed) {
  std::string values;
  for (int32_t v : bed.values) values += (values.empty() ? "" : ",") + JsonInt(v);
  return "{\"text\":" + JsonQuote(DisplayRaw(bed.text)) + ",\"values\":[" + values + "]}";
}

bool IsUsed(const Bed& bed) {
  if (!bed.text.empty()) return true;
  for (int32_t v : bed.values)
    if (v != 0) return true;
  return false;
}

// One field's JSON value.
std::string FieldJson(const StateField& field, GameState& s) {
  return std::visit(
      [&field](auto span) -> std::string {
        using T = typename decltype(span)::value_type;
        auto one = [&](const T& v) -> std::string {
          if constexpr (std::is_same_v<T, std::string>)
            return JsonQuote(field.rawText ? DisplayRaw(v) : v);
          else if constexpr (std::is_same_v<T, Bed>)
            return BedJson(v);
          else
            return JsonInt(v);
        };
        if (!field.isList) return one(span[0]);
        std::string out = "{";
        for (size_t i = 0; i < span.size(); ++i) {
          bool used;
          if constexpr (std::is_same_v<T, Bed>)
            used = IsUsed(span[i]);
          else
            used = span[i] != T{};
          if (!used) continue;
          if (out.size() > 1) out += ',';
          out += JsonQuote(std::to_string(i)) + ":" + one(span[i]);
        }
        return out + "}";
      },
      field.locate(s));
}

std::optional<std::string> ParseNumber(std::string_view value, int64_t lo, int64_t hi,
                                       int64_t& out) {
  Decimal n = ParseDecimal(value, lo, hi);
  if (n.error == DecimalError::NotANumber) return "\"" + std::string(value) + "\" is not a number";
  if (n.error == DecimalError::OutOfRange)
    return std::string(value) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi);
  out = n.value;
  return std::nullopt;
}

// A text for a raw CP932 field: it must have a CP932 code and stay on one line.
std::optional<std::string> ParseRawText(std::string_view value, std::string& out) {
  if (value.find_first_of("\r\n") != std::string_view::npos)
    return std::string("a saved text cannot hold a line break");
  auto raw = Utf8ToCp932(value);
  if (!raw) return std::string("the text has a character without a CP932 code");
  out = std::move(*raw);
  return std::nullopt;
}

// "v1 v2 v3 v4 v5 v6 text": six integers, then the rest of the line as the text.
std::optional<std::string> ParseBed(std::string_view value, Bed& out) {
  Bed bed;
  for (int32_t& v : bed.values) {
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    size_t end = value.find(' ');
    int64_t n = 0;
    if (auto error = ParseNumber(value.substr(0, end), INT32_MIN, INT32_MAX, n)) return error;
    v = static_cast<int32_t>(n);
    value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
  }
  if (auto error = ParseRawText(value, bed.text)) return error;
  out = std::move(bed);
  return std::nullopt;
}

std::optional<std::string> SetElement(const StateField& field, FieldSpan storage, size_t at,
                                      std::string_view value) {
  return std::visit(
      [&](auto span) -> std::optional<std::string> {
        using T = typename decltype(span)::value_type;
        if constexpr (std::is_same_v<T, Bed>) {
          return ParseBed(value, span[at]);
        } else if constexpr (std::is_same_v<T, std::string>) {
          if (field.rawText) return ParseRawText(value, span[at]);
          span[at] = std::string(value);
          return std::nullopt;
        } else {
          int64_t n = 0;
          auto error =
              ParseNumber(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), n);
          if (!error) span[at] = static_cast<T>(n);
          return error;
        }
      },
      storage);
}

}  // namespace

std::string StateJson(const GameState& s) {
  // Reading only: the table hands out mutable views, none of which is written here.
  GameState& view = const_cast<GameState&>(s);
  JsonObject json("state");
  for (const StateField& field : kFields) json.AddRaw(field.name, FieldJson(field, view));
  return json.str();
}

std::optional<std::string> SetStateField(GameState& s, std::string_view name,
                                         std::optional<int> index, std::string_view value) {
  for (const StateField& field : kFields) {
    if (field.name != name) continue;
    FieldSpan storage = field.locate(s);
    size_t size = std::visit([](auto span) { return span.size(); }, storage);
    if (field.isList && !index)
      return std::string(name) + " is a list: use " + std::string(name) + "[I]";
    if (!field.isList && index) return std::string(name) + " takes no index";
    int at = index.value_or(0);
    if (at < 0 || static_cast<size_t>(at) >= size)
      return std::string(name) + " has entries 0.." + std::to_string(size - 1);
    if (auto error = SetElement(field, storage, static_cast<size_t>(at), value))
      return std::string(name) + ": " + *error;
    return std::nullopt;
  }
  return "unknown field " + std::string(name);
}

void ResetRunFields(GameState& s) {
  GameState fresh;  // its initial values are the new-game values
  for (const StateField& field : kFields) {
    if (field.newGameCount == 0) continue;
    std::visit(
        [&](auto to, auto from) {
          if constexpr (std::is_same_v<decltype(to), decltype(from)>)
            std::copy_n(from.begin(), field.newGameCount, to.begin());
        },
        field.locate(s), field.locate(fresh));
  }
}

}  // namespace pp
