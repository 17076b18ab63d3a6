#include "gamefile.h"

#include "atomicfile.h"
#include "fileversions.h"
#include "recordcodec.h"
#include "teamfile.h"

namespace yardmark {

std::vector<std::uint8_t> encodeGame(const Game &game)
{
    ByteWriter out;
    encode(out, game.info);
    // A team inside a game never carries personal information.
    encodeTeamBlock(out, game.homeTeam);
    encodeTeamBlock(out, game.visitorTeam);
    writeBlockHeader(out, game.playCount());
    for (const PlayRecord &play : game.plays)
        encode(out, play);
    out.int32(game.homeScore);
    out.int32(game.visitorScore);
    out.int32(game.savedQuarter);
    out.uint8(game.isNewGame ? 1 : 0);
    out.uint8(game.reserved);
    out.uint8(game.tryPending ? 1 : 0);
    out.uint8(game.kickoffPending ? 1 : 0);
    encode(out, game.savedBallSpot);
    return out.take();
}

bool decodeGame(const std::vector<std::uint8_t> &bytes, Game &game)
{
    ByteReader in(bytes);
    Game read = game;
    read.info = decodeGameInfo(in);
    if (!in.ok() || !decodeTeamBlock(in, read.homeTeam) || !decodeTeamBlock(in, read.visitorTeam))
        return false;

    BlockHeader block;
    if (!readBlockHeader(in, block) || !in.fits(block.count, playRecordSize(block.version)))
        return false;
    read.plays.clear();
    read.plays.reserve(static_cast<std::size_t>(block.count));
    for (std::int32_t i = 0; i < block.count; ++i)
        read.plays.push_back(decodePlayRecord(in, block.version));
    read.plays.shrink_to_fit();

    read.homeScore = in.int32();
    read.visitorScore = in.int32();
    read.savedQuarter = in.int32();
    in.uint8(); // the saved new-game flag: a loaded game is never new
    read.reserved = in.uint8();
    read.tryPending = in.uint8() != 0;
    read.kickoffPending = in.uint8() != 0;
    read.savedBallSpot = decodeFieldSpot(in);
    if (!in.ok())
        return false;
    read.isNewGame = false;
    game = std::move(read);
    return true;
}

bool saveGame(Game &game, const std::string &path)
{
    game.fileName = path;
    return writeFileAtomically(path, encodeGame(game));
}

bool loadGame(Game &game, const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    Game read = game;
    if (!readWholeFile(path, bytes, kMaxRecordFileSize) || !decodeGame(bytes, read))
        return false;
    read.fileName = path;
    game = std::move(read);
    return true;
}

bool reloadGame(Game &game)
{
    // Loaded into a new game with two new empty teams, then swapped in: a file
    // that has gone missing or bad since the last save must not cost the game
    // in memory.
    Game reloaded;
    if (!loadGame(reloaded, game.fileName))
        return false;
    game = std::move(reloaded);
    return true;
}

} // namespace yardmark
