#pragma once
// Every picture and sound file name the game shows or plays: what the default data folder must
// hold. Names as the game writes them (the data folder is searched ignoring letter case).

#include <array>
#include <string_view>

namespace pp::datagen {

inline constexpr std::array<std::string_view, 111> kPictureNames = {
    "00.bmp", "4.bmp", "SHOP.bmp", "SHOP2.bmp", "ai.bmp", "ai2.bmp", "ana.bmp", "apple1.bmp",
    "apple2.bmp", "baku.bmp", "black.bmp", "boss.bmp", "boss2.bmp", "bou.bmp", "bou2.bmp",
    "cat.bmp", "cm00.bmp", "cry.bmp", "cry2.bmp", "danjon.bmp", "die.bmp", "door.bmp", "door2.bmp",
    "door_machine.bmp", "dragon.bmp", "ene3.bmp", "ene3_a.bmp", "ex.bmp", "ex2.bmp", "fuwa.bmp",
    "fuwa2.bmp", "fuwa3.bmp", "gogan.bmp", "goku.bmp", "gold.bmp", "goldsolder.bmp", "hae.bmp",
    "hi.bmp", "hokora.bmp", "horaana.bmp", "jungle.bmp", "kara.bmp", "kikai.bmp", "kimiko.bmp",
    "kyoukai.bmp", "load.bmp", "login.bmp", "lu.bmp", "lvup.bmp", "majin.bmp", "megami.bmp",
    "meiro.bmp", "mimizu.bmp", "my.bmp", "my2.bmp", "my3.bmp", "nagisa.bmp", "nigeru.bmp",
    "numa.bmp", "nusi.bmp", "pan.bmp", "pantu.bmp", "pixy.bmp", "ppoorrnn.bmp", "rea.bmp",
    "remote.bmp", "riron.bmp", "riron2.bmp", "riron3.bmp", "shounin.bmp", "sorako.bmp", "sou.bmp",
    "stone.bmp", "stone2.bmp", "sukutu.bmp", "takara.bmp", "takara_0.bmp", "takara_e.bmp",
    "takara_machine.bmp", "takara_machine_a.bmp", "takara_rea.bmp", "takara_rea_a.bmp",
    "takara_rea_gus.bmp", "takara_rea_kara.bmp", "taki.bmp", "teki.bmp", "teki2.bmp",
    "teki2_a.bmp", "teki3.bmp", "teki3_a.bmp", "teki_a.bmp", "timemaster.bmp", "tisou.bmp",
    "title.bmp", "title2.bmp", "tokage.bmp", "toki.bmp", "vo.bmp", "vo2.bmp", "wana.bmp",
    "wana0.bmp", "wana2.bmp", "wana_a.bmp", "wana_a0.bmp", "wana_a2.bmp", "watasi.bmp",
    "water.bmp", "yama.bmp", "you.bmp", "zen.bmp", "zen2.bmp",};

inline constexpr std::array<std::string_view, 81> kSoundNames = {
    "1.wav", "awa.wav", "back.wav", "bara.wav", "baria.wav", "bell.wav", "box.wav", "bp.wav",
    "break.wav", "bress.wav", "broke.wav", "buy.wav", "change.wav", "clear.wav", "cm.wav",
    "coin.wav", "damage.wav", "don.wav", "door.wav", "down.wav", "dragon.wav", "enemy.wav",
    "enemy_out.wav", "error.wav", "exp.wav", "fire.wav", "fishgood.wav", "gameover.wav",
    "great.wav", "hakken.wav", "hakkutu.wav", "hanron.wav", "hi.wav", "hissatu.wav", "hit.wav",
    "hokaku.wav", "holl.wav", "in.wav", "item.wav", "item_use.wav", "jump.wav", "kagi.wav",
    "kagi_machine.wav", "kaifuku.wav", "ken.wav", "key.wav", "key2.wav", "kyoukai.wav",
    "kyuusyuu.wav", "lvup.wav", "machine.wav", "magic.wav", "man.wav", "moji.wav", "mondou.wav",
    "mondou2.wav", "my.wav", "neji.wav", "nigeru.wav", "no.wav", "ok.wav", "pi.wav", "point.wav",
    "punch.wav", "rikai.wav", "sin.wav", "skill.wav", "start.wav", "start2.wav", "stone.wav",
    "taberu.wav", "takara.wav", "taki.wav", "time.wav", "time_r.wav", "try.wav", "up.wav",
    "up2.wav", "walk.wav", "wana.wav", "wana_m.wav",};

// The pictures drawn at their own size rather than as a 100 x 60 scene.
inline constexpr std::string_view kTitlePicture = "title.bmp";    // 390 x 260, shown unscaled
inline constexpr std::string_view kMessageLayer = "00.bmp";       // the message layer's start
inline constexpr int kSceneWidth = 100, kSceneHeight = 60;        // the part of a scene shown

}  // namespace pp::datagen
