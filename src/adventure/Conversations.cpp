#include "adventure/Conversations.h"

#include <array>

namespace pp {

namespace {

constexpr ConversationLine kSlot0[] = {
    {"…この世界にまだ名前はない", ""}, {"名前のないものは、誰の物でもない", ""},
    {"だから我々が預かっている", ""},  {"君もここでは、ただの一つの構造体だ", ""},
    {"好きに歩くといい", ""},          {"歩いた分だけ、記録は残る", ""},
};
constexpr ConversationLine kSlot1[] = {
    {"また会ったね", ""},
    {"君の足跡は、ちゃんとこちらに届いているよ", ""},
    {"三百六十五日は長いようで短い", ""},
    {"無駄にしないことだ", ""},
};
constexpr ConversationLine kSlot2[] = {
    {"見せたいものがある", ""},
    {"この世界の外側に、もう一つ画面がある", ""},
    {"これが、君を動かしている操作卓だ", "remote.bmp"},
    {"驚いたかい？", ""},
    {"でも気にすることはない", ""},
    {"君は君の意志で歩いている…はずだ", ""},
};
constexpr ConversationLine kSlot3[] = {
    {"あんた…新参者？", ""},
    {"これでも飲んで、せいぜい長生きしなよ", ""},
};
constexpr ConversationLine kSlot4[] = {
    {"また会ったね。しぶといじゃん", ""},
    {"ほら、これあげる。役に立つかは知らないけど", ""},
};
constexpr ConversationLine kSlot5[] = {
    {"ようこそ、夢の入り口へ…", ""},
    {"おなかが空いたら、これを食べてね", ""},
};
constexpr ConversationLine kSlot6[] = {
    {"こんにちは！るーこだよ！", ""},
    {"あなたも冒険者なんだね、うれしいな", ""},
    {"おなか壊さないように、これ持っていって！", ""},
};
constexpr ConversationLine kSlot10[] = {
    {"私は４。数字の名を持つ者", ""},       {"この界の境界までは40AU", ""},
    {"一歩ごとに一日が消える", ""},         {"計算上、あなたの寿命は有限だ", ""},
    {"それでも進むなら、止めはしない", ""},
};
constexpr ConversationLine kSlot11[] = {
    {"観測を続けている", ""},
    {"あなたが死ぬ確率は、界が深まるほど上がる", ""},
    {"しかし到達する確率もまた、歩かねば上がらない", ""},
    {"矛盾しているようで、していない", ""},
    {"これは単純な算術だ", ""},
    {"健闘を祈る", ""},
};
constexpr ConversationLine kSlot12[] = {
    {"再会の確率は低いと見積もっていた", ""},
    {"誤差の範囲だ", ""},
    {"記録しておこう", ""},
};
constexpr ConversationLine kSlot13[] = {
    {"あれ、まだ生きてたんだ", ""},
    {"ちょっと見直したかも", ""},
    {"これ、余ったからあげる", ""},
    {"べ、別にあんたのためじゃないから", ""},
};
constexpr ConversationLine kSlot14[] = {
    {"ねえ、この世界っておかしいと思わない？", ""},
    {"誰かに見られてる気がするんだよね", ""},
    {"…これ、お守り代わりに持っときな", ""},
};
constexpr ConversationLine kSlot15[] = {
    {"風が歌っているのが聞こえる？", ""},
    {"あたたかいお茶をどうぞ、旅人さん", ""},
};
constexpr ConversationLine kSlot16[] = {
    {"また会えたね！", ""},
    {"るーこね、きれいな草を見つけたの", ""},
    {"あなたにあげる！", ""},
};
constexpr ConversationLine kSlot20[] = {
    {"…十影という", ""},
    {"影は十あれど、本体は一つ", ""},
    {"お前はいくつの影を持っている？", ""},
};
constexpr ConversationLine kSlot21[] = {
    {"迷いは刃を鈍らせる", ""},
    {"ただ前へ進め", ""},
    {"それが剣の道だ", ""},
};
constexpr ConversationLine kSlot22[] = {
    {"この界には、斬れぬものが多い", ""},
    {"時間、記憶、そして自分自身", ""},
    {"だが斬ろうとすることに意味がある", ""},
    {"覚えておけ", ""},
};
constexpr ConversationLine kSlot23[] = {
    {"…また会ったな", ""},
    {"お前の影、少し濃くなった", ""},
    {"悪くない", ""},
};
constexpr ConversationLine kSlot24[] = {
    {"問題を一つ与えよう", ""},
    {"解けたら、あなたの論理は一段深くなる", ""},
};
constexpr ConversationLine kSlot25[] = {
    {"補給は生存率を上げる", ""},
    {"これを持っていくといい", ""},
    {"合理的な判断だ", ""},
};
constexpr ConversationLine kSlot26[] = {
    {"音楽はお好き？", ""},
    {"この曲は、遠い界で生まれたの", ""},
    {"あなたの旅に、花が咲きますように", ""},
};
constexpr ConversationLine kSlot27[] = {
    {"ねえねえ、これ知ってる？", ""},
    {"羊使いさんが落としていったんだって！", ""},
    {"あなたが使ってくれたら、きっと喜ぶよ！", ""},
};
constexpr ConversationLine kSlot30[] = {
    {"第三界まで来たか", ""},
    {"予想より少し早い", ""},
    {"我々の試算を、君はいつも裏切る", ""},
    {"それが面白いところでもある", ""},
    {"だが忘れないでくれ", ""},
    {"この世界は我々の管理下にある", ""},
};
constexpr ConversationLine kSlot31[] = {
    {"我が名は君龍(クンロン)！", ""},
    {"拳ひとつでここまで来た", ""},
    {"貴様も冒険者なら、拳で語れ", ""},
    {"…と言いたいところだが", ""},
    {"今日は腹が減っているのでやめておこう", ""},
};
constexpr ConversationLine kSlot32[] = {
    {"また会ったな、冒険者", ""},         {"拳を鍛えるには、まず心を鍛えよ", ""},
    {"心を鍛えるには、まず飯を食え", ""}, {"飯を食うには、金がいる", ""},
    {"金を得るには、拳を鍛えよ", ""},     {"…あれ、何の話だったかな", ""},
};
constexpr ConversationLine kSlot33[] = {
    {"…ふーん、ちょっとは強くなったじゃん", ""},
    {"この粉、何に使うか知らないけど", ""},
    {"あんたなら何とかするでしょ", ""},
};
constexpr ConversationLine kSlot34[] = {
    {"ねえ、あたし空を飛びたいんだ", ""},
    {"この世界の空は、どこまで続いてるのかな", ""},
    {"…なんでもない。これあげる", ""},
    {"寒くなったら巻いときな", ""},
};
constexpr ConversationLine kSlot35[] = {
    {"妖精たちがあなたの噂をしているわ", ""},
    {"勇敢で、少しおっちょこちょいな旅人だって", ""},
    {"ふふ、怒らないでね", ""},
    {"妖精と仲良くなる方法を教えてあげる", ""},
    {"この書を読めばわかるわ", ""},
    {"いつか、夢の中でまた会いましょう", ""},
};
constexpr ConversationLine kSlot36[] = {
    {"あっ！また会えた！", ""},
    {"るーこ、ずっとあなたのこと応援してたんだよ", ""},
    {"この服、王子さまのなんだって！", ""},
    {"あなたに似合うと思うな！", ""},
};
constexpr ConversationLine kSlot40[] = {
    {"…波の音が聞こえる？", ""},
    {"この界にも、海の記憶が残っているの", ""},
    {"あなたの心に、勇気が満ちますように", ""},
    {"これを持っていって", ""},
};
constexpr ConversationLine kSlot41[] = {
    {"また会いましたね", ""},
    {"私はNAGISA、渚で待つ者", ""},
    {"誰かが来るのを、ずっと待っていた", ""},
    {"あなたがその誰かかは、わからないけれど", ""},
    {"これは、待っている間に拾ったもの", ""},
    {"どうぞ", ""},
};
constexpr ConversationLine kSlot42[] = {
    {"深い界ほど、静かになっていく", ""},
    {"静けさは、怖いものではないわ", ""},
    {"耳を澄ませば、自分の声が聞こえる", ""},
    {"あなたの声は、まだ迷っていない", ""},
    {"この駒を、お守りに", ""},
};
constexpr ConversationLine kSlot43[] = {
    {"ここまで来るとはね", ""},         {"正直、驚いている", ""},
    {"君に一振りの刀を贈ろう", ""},     {"名前はない。この世界と同じだ", ""},
    {"使い方は、君が決めるといい", ""},
};
constexpr ConversationLine kSlot44[] = {
    {"第四界での生存は、統計上めずらしい", ""},
    {"あなたは外れ値だ", ""},
    {"外れ値は、ときに法則を書き換える", ""},
    {"防御を上げておくといい", ""},
    {"これを与える", ""},
};
constexpr ConversationLine kSlot45[] = {
    {"夢の終わりが近づいているのかしら", ""},
    {"いいえ、まだ始まったばかりね", ""},
    {"あなたの瞳は、まだ遠くを見ている", ""},
    {"その瞳に、勇気を", ""},
    {"この心を持っていって", ""},
    {"さようなら、また夢で", ""},
};
constexpr ConversationLine kSlot46[] = {
    {"るーこね、ちょっとだけ強くなったよ！", ""},
    {"あなたを見てたら、がんばらなきゃって思ったの", ""},
    {"これ、チェスの駒なんだって", ""},
    {"まっすぐ進む駒だよ！", ""},
    {"あなたみたい！", ""},
};
constexpr ConversationLine kSlot50[] = {
    {"君龍、ここに見参！", ""},
    {"貴様、ずいぶん遠くまで来たな", ""},
    {"拳だけでは、この先は厳しいぞ", ""},
    {"このよろいを着ていけ", ""},
    {"礼はいらん！", ""},
    {"…腹は減っているがな", ""},
};
constexpr ConversationLine kSlot51[] = {
    {"冒険者よ、聞け", ""},     {"この界には、目に見えぬ敵がいる", ""},
    {"拳も刃も届かぬ敵だ", ""}, {"ならば毒をもって毒を制すのみ", ""},
    {"これを使え", ""},
};
constexpr ConversationLine kSlot52[] = {
    {"計算が終わった", ""},
    {"あなたが最深部に到達する確率は、ゼロではない", ""},
    {"ゼロでない限り、試す価値がある", ""},
    {"学習は確率を上げる", ""},
    {"このソフトを使うといい", ""},
    {"私は観測を続ける", ""},
    {"最後まで", ""},
};
constexpr ConversationLine kSlot53[] = {
    {"…あんた、まだ歩いてるの？", ""},
    {"しょうがないな、これ飲みな", ""},
    {"心が折れそうなときに効くんだって", ""},
};
constexpr ConversationLine kSlot54[] = {
    {"妖精なんて信じてないけどさ", ""},
    {"この本、あんたにあげる", ""},
    {"…信じてないからね", ""},
};
constexpr ConversationLine kSlot55[] = {
    {"とうとうここまで来たのね", ""},           {"この先は、夢よりも深い場所", ""},
    {"王様の鎧が、あなたを守ってくれるわ", ""}, {"怖がらないで", ""},
    {"あなたはもう、一人じゃない", ""},
};
constexpr ConversationLine kSlot56[] = {
    {"るーこ、知ってるよ", ""},
    {"この先には、鍵のかかった扉があるの", ""},
    {"この鍵なら、きっと開けられるよ！", ""},
    {"いってらっしゃい！", ""},
};

// Ten slots per level for levels 0 to 5; from level 6 on every slot is empty.
constexpr int32_t kFilledLevels = 6;

constexpr std::array<Conversation, kFilledLevels* 10> kTable = [] {
  std::array<Conversation, kFilledLevels * 10> t{};
  t[0] = {"ppoorrnn.bmp", "ＰＰＯＯＲＲＮＮ", kSlot0, 0};
  t[1] = {"ppoorrnn.bmp", "ＰＰＯＯＲＲＮＮ", kSlot1, 0};
  t[2] = {"ppoorrnn.bmp", "ＰＰＯＯＲＲＮＮ", kSlot2, 0};
  t[3] = {"sorako.bmp", "空子", kSlot3, 18};
  t[4] = {"sorako.bmp", "空子", kSlot4, 56};
  t[5] = {"you.bmp", "ユートピア", kSlot5, 33};
  t[6] = {"lu.bmp", "るーこ", kSlot6, 32};
  t[10] = {"4.bmp", "４", kSlot10, 0};
  t[11] = {"4.bmp", "４", kSlot11, 0};
  t[12] = {"4.bmp", "４", kSlot12, 0};
  t[13] = {"sorako.bmp", "空子", kSlot13, 33};
  t[14] = {"sorako.bmp", "空子", kSlot14, 58};
  t[15] = {"you.bmp", "ユートピア", kSlot15, 19};
  t[16] = {"lu.bmp", "るーこ", kSlot16, 135};
  t[20] = {"tokage.bmp", "十影", kSlot20, 0};
  t[21] = {"tokage.bmp", "十影", kSlot21, 0};
  t[22] = {"tokage.bmp", "十影", kSlot22, 0};
  t[23] = {"tokage.bmp", "十影", kSlot23, 0};
  t[24] = {"4.bmp", "４", kSlot24, 69};
  t[25] = {"4.bmp", "４", kSlot25, 33};
  t[26] = {"you.bmp", "ユートピア", kSlot26, 133};
  t[27] = {"lu.bmp", "るーこ", kSlot27, 130};
  t[30] = {"ppoorrnn.bmp", "ＰＰＯＯＲＲＮＮ", kSlot30, 0};
  t[31] = {"kimiko.bmp", "君龍(クンロン)", kSlot31, 0};
  t[32] = {"kimiko.bmp", "君龍(クンロン)", kSlot32, 0};
  t[33] = {"sorako.bmp", "空子", kSlot33, 50};
  t[34] = {"sorako.bmp", "空子", kSlot34, 129};
  t[35] = {"you.bmp", "ユートピア", kSlot35, 132};
  t[36] = {"lu.bmp", "るーこ", kSlot36, 128};
  t[40] = {"nagisa.bmp", "NAGISA", kSlot40, 119};
  t[41] = {"nagisa.bmp", "NAGISA", kSlot41, 65};
  t[42] = {"nagisa.bmp", "NAGISA", kSlot42, 77};
  t[43] = {"ppoorrnn.bmp", "ＰＰＯＯＲＲＮＮ", kSlot43, 62};
  t[44] = {"4.bmp", "４", kSlot44, 80};
  t[45] = {"you.bmp", "ユートピア", kSlot45, 119};
  t[46] = {"lu.bmp", "るーこ", kSlot46, 76};
  t[50] = {"kimiko.bmp", "君龍(クンロン)", kSlot50, 66};
  t[51] = {"kimiko.bmp", "君龍(クンロン)", kSlot51, 61};
  t[52] = {"4.bmp", "４", kSlot52, 99};
  t[53] = {"sorako.bmp", "空子", kSlot53, 127};
  t[54] = {"sorako.bmp", "空子", kSlot54, 132};
  t[55] = {"you.bmp", "ユートピア", kSlot55, 131};
  t[56] = {"lu.bmp", "るーこ", kSlot56, 116};
  return t;
}();

}  // namespace

const Conversation* ConversationAt(int32_t slot) {
  if (slot < 0 || slot >= static_cast<int32_t>(kTable.size())) return nullptr;
  const Conversation& c = kTable[static_cast<size_t>(slot)];
  return c.speaker.empty() ? nullptr : &c;
}

}  // namespace pp
