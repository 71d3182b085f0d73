#include "TileCatalog.h"

// Motifs are chosen so that each row's ten differ in outline, not only in
// colour: a player must tell them apart in a 20-pixel cell.
const std::array<TTileCategory, 10>& TileCategories()
{
  static const std::array<TTileCategory, 10> categories{{
      {"Animals", qRgb(159, 211, 240),
       {{{"\U0001F436", "Dog"}, {"\U0001F431", "Cat"}, {"\U0001F42D", "Mouse"}, {"\U0001F430", "Rabbit"},
         {"\U0001F98A", "Fox"}, {"\U0001F43B", "Bear"}, {"\U0001F43C", "Panda"}, {"\U0001F438", "Frog"},
         {"\U0001F437", "Pig"}, {"\U0001F435", "Monkey"}}}},
      {"Fruit", qRgb(201, 184, 232),
       {{{"\U0001F34E", "Apple"}, {"\U0001F34C", "Banana"}, {"\U0001F347", "Grapes"}, {"\U0001F353", "Strawberry"},
         {"\U0001F349", "Watermelon"}, {"\U0001F34D", "Pineapple"}, {"\U0001F352", "Cherries"},
         {"\U0001F34B", "Lemon"}, {"\U0001F350", "Pear"}, {"\U0001F95D", "Kiwi"}}}},
      {"Vegetables", qRgb(244, 194, 208),
       {{{"\U0001F955", "Carrot"}, {"\U0001F33D", "Corn"}, {"\U0001F966", "Broccoli"}, {"\U0001F346", "Eggplant"},
         {"\U0001F336\uFE0F", "Chili"}, {"\U0001F954", "Potato"}, {"\U0001F344", "Mushroom"},
         {"\U0001F9C5", "Onion"}, {"\U0001F952", "Cucumber"}, {"\U0001F345", "Tomato"}}}},
      {"Vehicles", qRgb(190, 226, 200),
       {{{"\U0001F697", "Car"}, {"\U0001F68C", "Bus"}, {"\U0001F6B2", "Bicycle"}, {"\u2708\uFE0F", "Airplane"},
         {"\U0001F680", "Rocket"}, {"\U0001F682", "Locomotive"}, {"\U0001F681", "Helicopter"},
         {"\u26F5", "Sailboat"}, {"\U0001F69C", "Tractor"}, {"\U0001F3CD\uFE0F", "Motorcycle"}}}},
      {"Sports", qRgb(120, 190, 110),
       {{{"\u26BD", "Football"}, {"\U0001F3C8", "Rugby ball"}, {"\U0001F3D3", "Table tennis"},
         {"\U0001F3F8", "Badminton"}, {"\U0001F94A", "Boxing glove"}, {"\u26F3", "Golf"}, {"\U0001F3B3", "Bowling"},
         {"\U0001F3D2", "Ice hockey"}, {"\u26F8\uFE0F", "Ice skate"}, {"\U0001F6F9", "Skateboard"}}}},
      {"Music", qRgb(247, 233, 160),
       {{{"\U0001F3B8", "Guitar"}, {"\U0001F3B9", "Piano"}, {"\U0001F3BA", "Trumpet"}, {"\U0001F941", "Drum"},
         {"\U0001F3B7", "Saxophone"}, {"\U0001FA97", "Accordion"}, {"\U0001F3A4", "Microphone"},
         {"\U0001F514", "Bell"}, {"\U0001F3A7", "Headphones"}, {"\U0001F3B5", "Note"}}}},
      {"Weather", qRgb(58, 66, 128),
       {{{"\u2600\uFE0F", "Sun"}, {"\U0001F319", "Moon"}, {"\u2B50", "Star"}, {"\u2601\uFE0F", "Cloud"},
         {"\u26A1", "Lightning"}, {"\u2744\uFE0F", "Snowflake"}, {"\U0001F308", "Rainbow"},
         {"\u2602\uFE0F", "Umbrella"}, {"\U0001F525", "Fire"}, {"\U0001F4A7", "Droplet"}}}},
      {"Sea life", qRgb(234, 215, 176),
       {{{"\U0001F419", "Octopus"}, {"\U0001F980", "Crab"}, {"\U0001F420", "Tropical fish"},
         {"\U0001F42C", "Dolphin"}, {"\U0001F433", "Whale"}, {"\U0001F422", "Turtle"}, {"\U0001F41A", "Shell"},
         {"\U0001F990", "Shrimp"}, {"\U0001F421", "Blowfish"}, {"\U0001F9AD", "Seal"}}}},
      {"Treats", qRgb(166, 224, 220),
       {{{"\U0001F355", "Pizza"}, {"\U0001F354", "Burger"}, {"\U0001F32D", "Hot dog"}, {"\U0001F35F", "Fries"},
         {"\U0001F369", "Doughnut"}, {"\U0001F366", "Ice cream"}, {"\U0001F370", "Cake"},
         {"\U0001F36D", "Lollipop"}, {"\U0001F950", "Croissant"}, {"\U0001F37F", "Popcorn"}}}},
      {"Plants", qRgb(247, 197, 140),
       {{{"\U0001F33B", "Sunflower"}, {"\U0001F339", "Rose"}, {"\U0001F337", "Tulip"}, {"\U0001F335", "Cactus"},
         {"\U0001F332", "Fir tree"}, {"\U0001F334", "Palm tree"}, {"\U0001F340", "Clover"},
         {"\U0001F341", "Maple leaf"}, {"\U0001F338", "Blossom"}, {"\U0001FAB4", "Potted plant"}}}},
  }};
  return categories;
}
