// The Sarvotte program: the game handed to the shared shell.
#include "sarvotte/sarvotte_game.hpp"

#include "shell/run_program.hpp"

int main(int argc, char** argv)
{
    sarvotte::SarvotteGame game;
    return ct::runProgram(game, argc, argv);
}
