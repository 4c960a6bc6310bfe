#pragma once
// The opening: the advertisement, the departure, character creation and the world's welcome.

#include <string_view>

namespace pp {

class Game;

// "Promortion": the simulator's advertisement, then back to the login picture and "旅立つ".
void Promortion(Game& g);
// "旅立つ": asks for the first of the creation picks.
void Depart(Game& g);
// "力", "知恵", "精神": +1 while more than two picks are left, else +2.
void CreationPick(Game& g, std::string_view label);
// "冒険の始まり": straight into the adventure when the world's question was answered in an
// earlier game, otherwise the world asks it.
void AdventureBegins(Game& g);
// "冒険者です" (+1 max HP) or "冒険者ではない" (+1 max MP), the world's introduction, and the
// adventure begins.
void AnswerWorld(Game& g, std::string_view label);

}  // namespace pp
