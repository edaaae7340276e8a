// Rule lists applied to realistic order values: parsed once (CompiledRuleList,
// as a conversion run does per row) against parsed again for every value.
#include "language/CompiledRuleList.h"
#include "language/RuleApplication.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <string>
#include <vector>

namespace {

// Names, addresses, products and phone numbers as shops export them: 20 to 40
// characters of kanji, kana of both widths, full-width digits and blanks.
const QStringList &orderValues()
{
    static const QStringList values = {
        QStringLiteral("東京都千代田区丸の内１－９－１ グラントウキョウノースタワー"),
        QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ 様 (ｶﾌﾞｼｷｶﾞｲｼｬ ﾔﾏﾀﾞｼｮｳｼﾞ)"),
        QStringLiteral("大阪府大阪市北区梅田3-1-1 ﾀﾞｲﾏﾙﾋﾞﾙ 12F"),
        QStringLiteral("【送料無料】国産 天然水 2L×6本 ｹｰｽ販売 ﾐﾈﾗﾙｳｫｰﾀｰ"),
        QStringLiteral("  TEL:03-1234-5678  FAX:03-1234-5679 "),
        QStringLiteral("やまだ はなこ　（ヤマダ　ハナコ）　様　ご注文ありがとう"),
        QStringLiteral("北海道札幌市中央区北一条西２丁目 ｻｯﾎﾟﾛﾀﾜｰ 3F"),
        QStringLiteral("ＡＢＣ商事株式会社 営業部 第二課 ご担当者様"),
    };
    return values;
}

struct RuleCase
{
    std::string name;
    QStringList rules;
};

std::vector<RuleCase> ruleCases()
{
    return {
        {"find_replace", {"find(contains(-),matchedString,replace(ー))"}},
        {"charType_fullWidth", {"charType(fullWidth)"}},
        {"charType_halfWidth", {"charType(halfWidth)"}},
        {"charType_hirakana", {"charType(hirakana)"}},
        {"breakLine", {"breakLine(10)"}},
        {"trim", {"trim"}},
        {"simplified", {"simplified"}},
        {"five_rules",
         {"find(contains(-),matchedString,replace(ー))", "charType(fullWidth)", "breakLine(10)",
          "trim", QStringLiteral("append(様)")}},
    };
}

void compiled(benchmark::State &state, const QStringList &rules)
{
    const QStringList &values = orderValues();
    const CompiledRuleList list(rules);
    int i = 0;
    for (auto _ : state) {
        QString result = list.apply(values[i]);
        benchmark::DoNotOptimize(result);
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void reparsed(benchmark::State &state, const QStringList &rules)
{
    const QStringList &values = orderValues();
    int i = 0;
    for (auto _ : state) {
        QString result = applyRules(rules, values[i]);
        benchmark::DoNotOptimize(result);
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

int main(int argc, char **argv)
{
    for (const RuleCase &ruleCase : ruleCases()) {
        benchmark::RegisterBenchmark(("compiled/" + ruleCase.name).c_str(), compiled,
                                     ruleCase.rules);
        benchmark::RegisterBenchmark(("reparsed/" + ruleCase.name).c_str(), reparsed,
                                     ruleCase.rules);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
