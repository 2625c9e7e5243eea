#include "engine/build_rules.h"

#include <algorithm>

#include "engine/build_context.h"

namespace kes {

namespace {

BuildRuleFn ownRuleOf(int code) {
  for (const std::span<const BuildRule> rules : {cardBuildRules(), tableBuildRules()}) {
    const auto rule =
        std::find_if(rules.begin(), rules.end(), [code](const BuildRule& r) { return r.code == code; });
    if (rule != rules.end()) return rule->decide;
  }
  return nullptr;
}

}  // namespace

bool canBuild(const GameState& state, const BuildQuery& query) {
  if (query.target == query.moving) return false;
  const BuildContext context{state, query, ruleRank(query.target), ruleRank(query.moving)};
  if (const BuildRuleFn own = ownRuleOf(query.code)) return own(context);
  return generalBuild(context, query.code);
}

}  // namespace kes
