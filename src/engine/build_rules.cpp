#include "engine/build_rules.h"

#include <array>

#include "engine/build_context.h"

namespace kes {

namespace {

// The codes the rule tables may use; a code outside has no rule of its own.
constexpr int kRuleCodes = 256;

// The rule of each code, looked up once: every move judged asks for it.
const std::array<BuildRuleFn, kRuleCodes>& rulesByCode() {
  static const std::array<BuildRuleFn, kRuleCodes> table = [] {
    std::array<BuildRuleFn, kRuleCodes> byCode{};
    // Written last, the card rules win where both tables name a code.
    for (const std::span<const BuildRule> rules : {tableBuildRules(), cardBuildRules()})
      for (const BuildRule& r : rules)
        if (r.code >= 0 && r.code < kRuleCodes) byCode[static_cast<std::size_t>(r.code)] = r.decide;
    return byCode;
  }();
  return table;
}

BuildRuleFn ownRuleOf(int code) {
  return code >= 0 && code < kRuleCodes ? rulesByCode()[static_cast<std::size_t>(code)] : nullptr;
}

}  // namespace

bool canBuild(const GameState& state, const BuildQuery& query) {
  if (query.target == query.moving) return false;
  const BuildContext context{state, query, ruleRank(query.target), ruleRank(query.moving)};
  if (const BuildRuleFn own = ownRuleOf(query.code)) return own(context);
  return generalBuild(context, query.code);
}

}  // namespace kes
