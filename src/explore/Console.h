#pragma once
// The exploration console frmSSControl: a visit to a star system, orbits, planet messages and
// their scripts, planet combat, responses and the room map. Every procedure works on the
// console's state (Game::console, state/ConsoleState.h) and the game state; the windows call
// the handlers and show the state.
//
// Planet message keys, read for the orbited planet from its descriptor or, as a fallback, from
// the language's planet message file (section = the planet's state code):
//   "Messages" & S              how many messages the family S has
//   "Message" & S & n           message n of the family
//   "Responses" & A             how many responses the situation A offers
//   "Response" & A & n          response n
// A message text: leading "%xx" condition codes, an optional title "$title$" ("BOX" shows the
// text in a message box), the text with placeholders (%AN alien name, %NM player name,
// %RK form of address, %MV the Morv, %ZL the Zarvoni), effect codes "^xx", and trailing codes
// "*code": conditions while a message is chosen, combat and state codes while it runs.
#include <string>

#include "state/ConsoleState.h"

namespace kv {

struct Game;

// ---- The planet state word ------------------------------------------------------------------

// A two-bit field of the state word: Int(word / weight) Mod 4, always 0..3.
int PlanetStateField(Long word, Long weight);
// The alien-name index of the state word: its low byte, 0..255 also for a negative word.
int AlienNameIndex(Long word);
// The state code of the word: the fields at 16384, 4096 and 1024 as two binary digits each,
// joined by blanks ("01 00 11"); the section of the planet message file.
std::string PlanetStateCode(Long word);
// The flag bit a character names: "A".."H" bits 0..7, "I".."Z" bits 9..26, "0".."9" 27..36.
int NamedBit(char c);

// ---- Visit, selection and information panel -----------------------------------------------

// Empties the message panel's titles and texts, the library line and the name.
void ClearConsoleTexts(ConsoleState& c);
// The console's first load (Form_Load): the close-ups are shaded unless the command line holds
// "/BADPLANETS" in any letter case.
void ConsoleFormLoad(Game& g);
// The console's activation (Form_Activate): the first one after the engine set EnteringSystem
// starts the visit (InitSS); a system without planets is reported and left at once, or, with
// message 9 switched off, stays open on the star. Then the message timer runs.
void ActivateConsole(Game& g);
// Starts a visit to the star system at the ship's sector (none: leaves at once): the copy of
// its record, new planet angles, the star selected, the first-visit counts, 0.02 time units.
void InitSS(Game& g);
// Fills the information panel and the planet buttons for the selected body.
void UpdateSelect(Game& g);
// Takes the drawing data of each planet from the copy (orbit radius, disc size, colour) and
// asks the window to draw the system.
void DrawSystem(Game& g);
// The star picture: selects the star (not while in orbit).
void picStar_Click(Game& g);
// The arrows: index 0 the previous body, 2 the next (not while in orbit).
void lblPlanet_Click(Game& g, int index);
// A click in the system picture (twips) selects the planet hit, else the one whose orbit lies
// nearest the click's distance from the star's centre (not while in orbit).
void picSolarSystem_MouseDown(Game& g, int button, int shift, double x, double y);

// ---- Planet messages -------------------------------------------------------------------------

// The text of a key for a planet (1..10) of the visited system; "" for planet 0; "ERR" when
// neither the descriptor nor the message file has it.
std::string GetMessage(Game& g, const std::string& name, int planet);
// Picks one of messages prefix & 1 .. prefix & count whose conditions hold; -1 (after the
// KVBASIC0145 box) when none holds and has text.
int ChooseMessage(Game& g, const std::string& prefix, int count);
// Whether a two-character condition code holds (see the message codes in the data guide).
bool TestMessageCode(Game& g, const std::string& code);
// Runs a message text on the console: title, text, combat and state codes, effects, then the
// responses of the new situation.
void RunMessage(Game& g, const std::string& text);
// Closes the message panel and lets the message timer run.
void EndMessage(Game& g);

// ---- Planet combat, state codes and conditions --------------------------------------------

// Carries out one trailing code of a running message or a chosen response.
void PlanetCombat(Game& g, const std::string& code);
// A treaty with the orbited planet's aliens (flag bit 7): made or broken once, with its box
// and 8..14 time units given back or charged.
void MakeTreaty(Game& g);
void BreakTreaty(Game& g);
// Whether a trailing code lets a candidate message be chosen ("FS", "F!S", "-" stock codes;
// everything else holds).
bool TestCondition(Game& g, const std::string& condition);

// ---- Responses and the room map ----------------------------------------------------------------

// Turns response `index` of ResponseCodes into an offered action: placeholders, icon, the
// responses dialog's option and, with the map showing, the action button.
void SetupActions(Game& g, int index);
// Builds the responses of PendingAction and moves on the room map.
void ShowResponses(Game& g);
// Carries out the response chosen in the responses dialog (RespondTag).
void ProcessResponse(Game& g);
// Splits a room code into name and coordinates: "Hall0312" gives x 3, y 12, "Hall" and the
// format "00"; "Hall12" x 1, y 2, "Hall" and "0"; a code without coordinates x = y = -1, the
// whole code and "".
std::string ParseRoomCode(const std::string& code, int& x, int& y, std::string& name);
// The room cell whose tag is the code, -1 none.
int FindRoomByTag(const ConsoleState& c, const std::string& code);
// Moves the map so that the marker stands in the middle of the map panel.
void CenterMap(ConsoleState& c);
// Switches the room map on or off (a new map each time).
void ShowMap(Game& g, bool on);
// Clears the action buttons.
void ResetActions(ConsoleState& c);
// Starts a new map: one empty cell with four walls, the marker on it.
void ResetMap(ConsoleState& c);
// Centres a control over a cell of the map, or on the map picture when cell is null.
void CentreInContainer(ConsoleState& c, Placement& control, const RoomCell* cell);

// ---- Commands ----------------------------------------------------------------------------------

void cmdEnterOrbit_Click(Game& g);
void cmdLeaveOrbit_Click(Game& g);
void cmdExit_Click(Game& g);
void cmdBeam_Click(Game& g);
void cmdHail_Click(Game& g);
void cmdIgnore_Click(Game& g);
void cmdRespond_Click(Game& g);
void cmdPhaser_Click(Game& g);
void cmdPhoton_Click(Game& g);
void cmdShields_Click(Game& g);
void cmdEnergy_Click(Game& g);
void cmdRecord_Click(Game& g);
void cmdReset_Click(Game& g);
// An action button: its response is chosen and carried out.
void rcmdAction_Click(Game& g, int index);

// ---- Timers and notes --------------------------------------------------------------------------

// One tick of the message queue: starts the family's message, counts a "%Wn" wait, runs the
// line when its time has come.
void tmrMessage_Timer(Game& g);
// One tick of the planet-flag display.
void tmrFlag_Timer(Game& g);
void txtNotes_Change(Game& g);
// The notes box's key filter (200 characters at most, a letter written in several bytes
// counting once): changes the text or the key (0 = the key is discarded); true when the box
// should beep.
bool txtNotes_KeyPress(std::string& text, int& keyAscii, const std::string& newLine);
inline constexpr size_t kNotesLimit = 200;
// The first `count` characters of a text (never half of a letter).
std::string FirstCharacters(const std::string& text, size_t count);

// The record of the visited system in StarSystems (the one at the ship's sector), null when
// no system stands there.
SolarSystemRecord* VisitedSystem(Game& g);

}  // namespace kv
