// The Zembrola program: the game handed to the shared shell.
#include "zembrola/zembrola_game.hpp"

#include "shell/run_program.hpp"

int main(int argc, char** argv)
{
    zembrola::ZembrolaGame game;
    return ct::runProgram(game, argc, argv);
}
