#include "ops/random_text.h"

#include <utility>
#include <vector>

#include "core/numbers.h"
#include "core/random.h"
#include "core/text_primitives.h"

namespace quorvan {
namespace {

// A character list cut once into its pieces; the pieces look into `source`.
struct CharacterList {
  explicit CharacterList(Text text, TextView separator)
      : source(std::move(text)), pieces(splitViews(source, separator)) {}
  CharacterList(const CharacterList&) = delete;  // the pieces look into this very object
  CharacterList& operator=(const CharacterList&) = delete;
  Text source;
  std::vector<TextView> pieces;
};

const CharacterList& lowerLetters() {
  static const CharacterList list("a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r.s.t.u.v.w.x.y.z", ".");
  return list;
}

const CharacterList& upperLetters() {
  static const CharacterList list("A.B.C.D.E.F.G.H.I.J.K.L.M.N.O.P.Q.R.S.T.U.V.W.X.Y.Z", ".");
  return list;
}

const CharacterList& bothLetters() {
  static const CharacterList list(
      "a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r.s.t.u.v.w.x.y.z."
      "A.B.C.D.E.F.G.H.I.J.K.L.M.N.O.P.Q.R.S.T.U.V.W.X.Y.Z",
      ".");
  return list;
}

const CharacterList& symbols() {
  static const CharacterList list(
      gbk("{ } | \\ & * $ # @ % . , ' : ? < > 《 》 ` ~ + - = _ / 、 ( ) （ ） ^ ! ` "
          "ㄚ ㄛ ㄜ ㄝ ㄞ ㄟ ㄠ ㄡ ㄢ ㄣ ㄤ ㄥ ㄦ ㄧ ㄨ ㄩ ㄅ ㄉ ㄓ ㄚ ㄞ ㄢ ㄦ ㄆ "
          "① ② ③ ④ ⑤ ⑥ ⑦ ⑧ ⑨ ⑩ ≈ ≡ ≠ ＝ ≤ ≥ ＜ ＞ ≮ ≯ ∷ ± ＋ － × ÷ ／ ∫ ∮ ∝ ∞ ∧ ∨ "
          "∑ ∏ ∪ ∩ ∈ ∵ ∴ ⊥ ‖ ∠ ⌒ ⊙ ≌ ∽ √"),
      " ");
  return list;
}

Text drawFrom(const CharacterList& list, int32_t count) {
  seedRandom();
  Text result;
  const auto size = int32_t(list.pieces.size());
  for (int32_t n = 0; n < count; ++n) result.append(list.pieces[size_t(randomNumber(1, size)) - 1]);
  return result;
}

}  // namespace

Text randomDigits(int32_t count) {
  seedRandom();
  Text result;
  for (int32_t n = 0; n < count; ++n) result.append(numberToText(randomNumber(1, 9)));
  return result;
}

Text randomLowerLetters(int32_t count) { return drawFrom(lowerLetters(), count); }
Text randomUpperLetters(int32_t count) { return drawFrom(upperLetters(), count); }
Text randomLetters(int32_t count) { return drawFrom(bothLetters(), count); }
Text randomSymbols(int32_t count) { return drawFrom(symbols(), count); }

Text randomChineseChars(int32_t count) {
  seedRandom();
  Text result;
  for (int32_t n = 0; n < count; ++n) {
    // 256 - (38 ... 80) is B0 ... DA; the first draw is the lead byte.
    result.push_back(char(256 - randomNumber(38, 80)));
    result.push_back(char(256 - randomNumber(38, 80)));
  }
  return result;
}

std::span<const TextView> randomSymbolEntries() { return symbols().pieces; }

}  // namespace quorvan
