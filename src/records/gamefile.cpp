#include "gamefile.h"

#include "base/atomicfile.h"
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

bool decodeGameInPlace(const std::uint8_t *data, std::size_t size, Game &game)
{
    ByteReader in(data, size);
    decodeGameInfo(in, game.info);
    if (!in.ok() || !decodeTeamBlockInPlace(in, game.homeTeam) || !decodeTeamBlockInPlace(in, game.visitorTeam))
        return false;

    BlockHeader block;
    if (!readBlockHeader(in, block) || !in.fits(block.count, playRecordSize(block.version)))
        return false;
    const auto count = static_cast<std::size_t>(block.count);
    if (playRecordSize(block.version) == kPlayRecordSize) {
        game.plays.resize(count);
        const std::uint8_t *bytes = in.bytes(count * kPlayRecordSize);
        for (std::size_t i = 0; i < count; ++i)
            decodePlayRecord(bytes + i * kPlayRecordSize, game.plays[i]);
    } else {
        game.plays.clear();
        for (std::size_t i = 0; i < count; ++i)
            game.plays.push_back(decodePlayRecord(in, block.version));
    }

    game.homeScore = in.int32();
    game.visitorScore = in.int32();
    game.savedQuarter = in.int32();
    in.uint8(); // the saved new-game flag: a loaded game is never new
    game.reserved = in.uint8();
    game.tryPending = in.uint8() != 0;
    game.kickoffPending = in.uint8() != 0;
    game.savedBallSpot = decodeFieldSpot(in);
    if (!in.ok())
        return false;
    game.isNewGame = false;
    return true;
}

bool decodeGame(const std::vector<std::uint8_t> &bytes, Game &game)
{
    Game read = game;
    if (!decodeGameInPlace(bytes.data(), bytes.size(), read))
        return false;
    read.plays.shrink_to_fit();
    game = std::move(read);
    return true;
}

bool saveGame(Game &game, const std::string &path)
{
    // The program that has the game open saves it, never a read-only copy.
    if (game.readOnly)
        return false;
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

const Game *GameFileReader::read(const std::string &path)
{
    const std::optional<std::size_t> size = readFileInto(path, m_bytes, kMaxRecordFileSize);
    if (!size || !decodeGameInPlace(m_bytes.data(), *size, m_game))
        return nullptr;
    m_game.fileName = path;
    return &m_game;
}

bool reloadGame(Game &game)
{
    // Loaded into a new game with two new empty teams, then swapped in: a file
    // that has gone missing or bad since the last save must not cost the game
    // in memory.
    Game reloaded;
    reloaded.readOnly = game.readOnly;
    if (!loadGame(reloaded, game.fileName))
        return false;
    game = std::move(reloaded);
    return true;
}

} // namespace yardmark
