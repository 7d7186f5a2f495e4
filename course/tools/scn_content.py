"""The three sample scenarios: rooms, questions, alternatives, answer keys and scene pictures.

Room fields: id, type ("jn" one answer, "fv" several), start, minutes (added to the clock each
time the question is shown), points (penalty points: a good run collects few), question and
hint (paragraphs split by a literal \\n; scn_tables.py wraps them to the question column),
status, picture (question picture in data/images), info (page in data/html), alternatives
[(id, text)] in display order, key [(answer, action, dialog)], scenes (pictures or pages in
data/images, in panning order).

Teaching rules the rooms keep (the content test checks them):
- every wrong choice says why: a row that keeps the learner in the room carries its own
  dialog text; a risky choice may instead lead into a room of its own that shows what it
  caused, and from there back to the main line (the program shows no text on a move);
- in an "fv" room, `with(n)` makes every combination that ticks alternative n lead to the
  same place, so a risky measure has its consequence whatever else was ticked;
- status texts and scene pictures fit every path that reaches the room, and name no time
  of day: the clock shows it.
PoangMin and PoangMax are worked out from the rooms by scn_tables.py.
"""


def with_(alternative):
    """A key answer standing for every combination that includes `alternative`."""
    return f"with:{alternative}"


PETROL = {
    "id": 1,
    "name": "Petrol tank truck leaking after a motorway collision",
    "description": "A car has run into a tank truck on the motorway. Petrol (UN 1203) is leaking"
                   " onto the carriageway. Approach, identify, isolate, protect the drains and stop the leak.",
    "start_time": 14 * 60 + 20,
    "logo": "scn1_logo.gif",
    "temp": "scn1_temp.gif",
    "wind": "scn1_wind.gif",
    "rooms": [
        {
            "id": 10, "type": "jn", "start": True, "minutes": 6, "points": 1,
            "question": "You lead the first engine, 3 km from the scene. The direct route joins the motorway "
                        "at junction 12, east of the crash. How do you approach?",
            "hint": "Look at the map and the wind picture: the wind blows from the west at 4 m/s.",
            "status": "Alarm: tank truck and car in collision on the motorway between junctions 11"
                      " and 12. Liquid running from the tank. One person still in the car.",
            "info": "tak_approach.htm",
            "alternatives": [
                (1, "Take the direct route via junction 12 and stop beside the truck."),
                (2, "Go round via junction 11, approach from the west, stop about 100 m away."),
                (3, "Approach from the west but drive right up to the car to free the driver."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", ""),
                ("3", "R10", "Stop well outside the spill. Engine, exhaust and radio equipment can ignite"
                             " petrol vapour.\\nThe driver is rescued on foot once the risk is assessed."),
            ],
            "scenes": ["scn1_map.gif", "scn1_approach.jpg"],
        },
        {
            "id": 15, "type": "jn", "minutes": 4, "points": 5,
            "question": "You stopped next to the truck, east of it. The crew smells petrol strongly "
                        "and the gas detector alarms at 20 % LEL. What do you do?",
            "hint": "You are downwind, inside the vapour.",
            "status": "Engine 1 parked 10 m east of the tank truck. Strong petrol smell. Gas detector"
                      " alarm. The pool is spreading under the engine.",
            "info": "tip_lel.htm",
            "alternatives": [
                (1, "Start the pump and lay a water line to wash the petrol away."),
                (2, "Leave the engine, walk the crew out to the west, upwind; warn the next units."),
                (3, "Drive the engine out of the vapour, back towards junction 12."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", "Do not start the pump: at 20 % LEL the vapour is close to its flammable range,"
                             " and the pump, its engine and the exhaust are ignition sources.\\nWashing the"
                             " petrol away only carries it into the drains."),
                ("3", "R15", "Starting the engine in the vapour can ignite it, and driving east keeps you"
                             " downwind, in the vapour.\\nLeave the engine and walk out upwind."),
            ],
            "scenes": ["scn1_downwind.jpg", "scn1_approach.jpg"],
        },
        {
            "id": 20, "type": "fv", "minutes": 3, "points": 1,
            "question": "From the west you see the orange plate on the tank. You also find the transport "
                        "document in the cab. Which statements are correct?",
            "hint": "Tick every correct statement. Pan the scene pictures to read the document.",
            "picture": "panel_33_1203.gif",
            "status": "Engine 1 at 100 m west of the truck. Orange plate 33 over 1203, placard with a"
                      " flame. Car driver walking out towards you, unhurt.",
            "info": "ident_panel.htm",
            "alternatives": [
                (1, "UN 1203 is petrol (motor spirit)."),
                (2, "33 means a highly flammable liquid (flash point below 23 °C)."),
                (3, "Petrol vapour is lighter than air and rises away from the road."),
                (4, "Vapour can flow into drains and ditches and ignite far from the pool."),
                (5, "Petrol is so toxic that only a gas-tight suit (level A) protects."),
            ],
            "key": [
                ("1,2,4", "R30", ""),
                ("1,2,3,4", "R20", "Petrol vapour is not lighter than air: it is three to four times heavier,"
                                   " flows along the ground into drains and hollows and can ignite far from"
                                   " the pool."),
                ("1,2,4,5", "R20", "Petrol is harmful, but its main danger is fire. A gas-tight suit gives no"
                                   " protection against heat and flames: structural gear with breathing"
                                   " apparatus is the protection here."),
                ("*", "R20", "Not quite. 33 over 1203 is petrol: a highly flammable liquid whose vapour is"
                             " about three times heavier than air and reaches drains.\\nThe main danger is"
                             " fire, not skin contact."),
            ],
            "scenes": ["scn1_tanker_side.jpg", "scn1_tanker_rear.jpg", "scn1_documents.htm"],
        },
        {
            "id": 30, "type": "jn", "minutes": 5, "points": 1,
            "question": "About 2 000 litres have run out. Nothing burns yet. How do you isolate the scene?",
            "hint": "A large spill of a flammable liquid, no fire.",
            "status": "Pool of petrol about 15 x 8 m, growing. Traffic queues in both directions."
                      " Police on the way.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (3, "Let traffic pass slowly in the other carriageway to avoid a long queue."),
                (1, "Close both carriageways, keep everyone 50 m away; 300 m downwind."),
                (2, "Tape off 10 m around the truck; nothing burns, so that is enough."),
            ],
            "key": [
                ("1", "R40", ""),
                ("3", "R35", ""),
                ("2", "R30", "10 m is far too close: the vapour of a large petrol spill drifts well beyond"
                             " the pool. Isolate at least 50 m in all directions and consider evacuating"
                             " 300 m downwind."),
            ],
            "scenes": ["scn1_approach.jpg", "scn1_map.gif"],
        },
        {
            "id": 35, "type": "jn", "minutes": 15, "points": 8,
            "question": "A car passing in the open carriageway drove into the vapour and ignited it. The"
                        " pool burns under the tank, which is now exposed to the flames. What do you order?",
            "hint": "A tank truck involved in fire.",
            "status": "Pool fire under the tank truck, black smoke drifting east. The tank shell is"
                      " heated by the flames. Two injured in the passing car, out of the danger area.",
            "info": "haz_fire_explosion.htm",
            "alternatives": [
                (3, "Attack the burning pool at once with straight jets from close range."),
                (2, "Isolate 800 m, cool the tank from unmanned monitors and build up foam."),
                (1, "Pull everyone back 800 m and let the fire burn itself out."),
            ],
            "key": [
                ("2", "R60", ""),
                ("3", "R35", "A straight jet spreads the burning petrol and the crew stands next to a"
                             " heated tank.\\nWithdraw, cool from a distance and prepare a foam attack."),
                ("1", "R70", ""),
            ],
            "scenes": ["scn1_fire.jpg", "scn1_map.gif"],
        },
        {
            "id": 60, "type": "fv", "minutes": 25, "points": 2,
            "question": "Monitors cool the tank and the foam is ready. Which measures belong to the attack?",
            "hint": "Tick every correct measure.",
            "status": "Isolation 800 m. Two unmanned monitors cool the tank. Foam concentrate for"
                      " 20 minutes at hand.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Apply the foam gently, from upwind, letting it flow over the pool."),
                (2, "Keep cooling the tank shell with water during and after the attack."),
                (3, "Break up the foam blanket with water jets once the flames are out."),
                (4, "Keep the 800 m isolation until the fire is out and the tank is cool."),
            ],
            "key": [
                ("1,2,4", "R40", ""),
                ("1,2,3,4", "R60", "Never hit a foam blanket with water jets: it breaks, vapour escapes and"
                                   " the fire can flash back. Keep the blanket whole and top it up."),
                ("*", "R60", "Foam goes on gently from upwind and the blanket stays whole; the tank is"
                             " cooled until it is cold, and the 800 m isolation stays until then."),
            ],
            "scenes": ["scn1_cooling.jpg", "scn1_map.gif"],
        },
        {
            "id": 40, "type": "jn", "minutes": 10, "points": 1,
            "question": "Petrol runs from the tank along the kerb towards a road gully at the hard "
                        "shoulder. Your crew will work close to the spill. What do you order?",
            "hint": "The gully leads to a stream.",
            "status": "Motorway closed. Petrol flows along the kerb towards a gully 20 m east of"
                      " the truck. The gully leads to a stream.",
            "info": "tak_environment.htm",
            "alternatives": [
                (3, "Seal the gully, dam with sand, foam the pool; structural gear, BA, spark-free tools."),
                (2, "Flush the petrol into the gully with plenty of water to clear the carriageway."),
                (1, "Seal the gully and dam the flow; the crew works in gas-tight suits (level A)."),
            ],
            "key": [
                ("3", "R50", ""),
                ("2", "R45", ""),
                ("1", "R40", "Sealing and damming are right, but a gas-tight suit gives no protection"
                             " against fire and makes the work slow and hot. For petrol: structural gear"
                             " with breathing apparatus and a charged foam line."),
            ],
            "scenes": ["scn1_drain.jpg", "scn1_map.gif"],
        },
        {
            "id": 45, "type": "jn", "minutes": 10, "points": 5,
            "question": "The petrol went down the gully. The detector at a manhole 50 m downstream reads "
                        "40 % LEL and there is a sheen on the stream. What do you order?",
            "hint": "The drain now holds petrol and its vapour.",
            "status": "Petrol flushed into the road gully. Vapour in the drain along the hard shoulder."
                      " Sheen on the stream below the outfall.",
            "info": "tak_environment.htm",
            "alternatives": [
                (1, "Seal the gully, foam the pool, no ignition near manholes, booms at the outfall."),
                (2, "Open the manholes and flush more water through to dilute the petrol."),
                (3, "Send a firefighter down the manhole to find where the petrol collects."),
            ],
            "key": [
                ("1", "R50", ""),
                ("2", "R45", "More water pushes more petrol into the stream, and the drain now holds a"
                             " flammable atmosphere: every open manhole is a place where it can ignite."
                             "\\nStop the inflow and catch the petrol at the outfall."),
                ("3", "R45", "A drain at 40 % LEL is a confined space with a flammable atmosphere that may"
                             " also lack oxygen: nobody goes down. Work from outside."),
            ],
            "scenes": ["scn1_stream.jpg", "scn1_drain.jpg"],
        },
        {
            "id": 50, "type": "jn", "minutes": 20, "points": 1,
            "question": "The leak comes from a damaged bottom valve, about 10 litres a minute. How do you"
                        " deal with the leak?",
            "hint": "The tank still holds about 28 000 litres.",
            "status": "Gully sealed, petrol under foam. The haulier's emergency team and an empty"
                      " tank truck are 30 minutes away.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (2, "Plug the valve with a leak kit, catch the drip, then pump over, earthed."),
                (1, "Lift the tank truck with a crane at once, so the valve no longer leaks."),
                (3, "Leave the leak and wait until the tank has run empty under the foam."),
            ],
            "key": [
                ("2", "finish", ""),
                ("1", "R50", "Never lift a loaded, leaking tank: the shell may tear. Stop the leak"
                             " first and empty the tank by pumping over."),
                ("3", "R50", "28 000 litres at 10 litres a minute run for two days: a growing pool and"
                             " vapour all that time. Stop the leak, then empty the tank by pumping over."),
            ],
            "scenes": ["scn1_tanker_side.jpg", "scn1_foam.jpg"],
        },
        {
            "id": 70, "type": "jn", "minutes": 40, "points": 15,
            "question": "The uncooled tank gave way: its shell melted down to the liquid level and burning"
                        " petrol ran along the kerb into the gully. The fire has burnt out. What now?",
            "hint": "The fire is out, the hazard is not.",
            "status": "Fire out. Tank shell burnt down to the liquid level, some petrol still inside."
                      " Burnt petrol in the gully, sheen on the stream. The police want the road open.",
            "info": "tak_environment.htm",
            "alternatives": [
                (2, "Foam the rest, seal the gully, booms on the stream; the road stays closed."),
                (1, "Open one carriageway at once: the fire is out, so the danger is over."),
            ],
            "key": [
                ("2", "finish", ""),
                ("1", "R70", "The tank still holds petrol, the pool can reignite and the road is covered"
                             " in fuel. Keep the motorway closed until the petrol is foamed and recovered"
                             " and the drains are safe."),
            ],
            "scenes": ["scn1_burnt.jpg", "scn1_map.gif"],
        },
    ],
}

CHLORINE = {
    "id": 2,
    "name": "Chlorine release in the plant room of an indoor pool",
    "description": "Chlorine gas (UN 1017) leaks from a cylinder in the basement plant room of a"
                   " public swimming pool during the evening swim. Stage upwind, evacuate, care for the"
                   " exposed, enter in gas-tight suits and stop the leak.",
    "start_time": 18 * 60 + 40,
    "logo": "scn2_logo.gif",
    "temp": "scn2_temp.gif",
    "wind": "scn2_wind.gif",
    "rooms": [
        {
            "id": 10, "type": "jn", "start": True, "minutes": 7, "points": 1,
            "question": "Swimming pool staff report a sharp smell and coughing bathers; the chlorine "
                        "alarm in the basement plant room is sounding. Where do you stop?",
            "hint": "Wind from the north-west, 3 m/s. The main entrance faces south-east.",
            "status": "Alarm: indoor swimming pool, chlorine alarm in the plant room. About 60 people"
                      " inside. Several coughing.",
            "info": "tak_approach.htm",
            "alternatives": [
                (1, "At the main entrance on the south-east side, where people come out."),
                (2, "On the north-west side, upwind and at a distance; meet the staff there."),
                (3, "In the delivery yard at the plant room door, to reach the leak at once."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", ""),
                ("3", "R10", "The plant room door is where the gas comes out, and the yard lies low:"
                             " chlorine is heavier than air and collects there. Stop upwind, at a"
                             " distance."),
            ],
            "scenes": ["scn2_map.gif", "scn2_outside.jpg"],
        },
        {
            "id": 15, "type": "jn", "minutes": 5, "points": 5,
            "question": "At the main entrance two of your crew start coughing and their eyes sting. "
                        "A yellowish haze drifts out of the door. What do you do?",
            "hint": "You are downwind of the building.",
            "status": "Engine 1 at the main entrance (downwind). Two firefighters with eye and"
                      " airway irritation. Bathers streaming out around the engine.",
            "info": "haz_toxic_gases.htm",
            "alternatives": [
                (1, "Carry on; the irritation passes once they get used to the smell."),
                (2, "Withdraw everyone to the north-west, upwind; the two to medical care."),
                (3, "Let the two rest in the engine cab and carry on at the entrance."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", "Stinging eyes and coughing are the warning: the nose tires quickly and"
                             " lung damage can follow hours later. Withdraw upwind now and send the two"
                             " for a medical check."),
                ("3", "R15", "The engine stands in the gas, and its cab takes in outside air: the two"
                             " stay exposed. Withdraw everyone upwind and send the two for a check."),
            ],
            "scenes": ["scn2_entrance.jpg", "scn2_map.gif"],
        },
        {
            "id": 20, "type": "fv", "minutes": 3, "points": 1,
            "question": "The caretaker shows you the labels of the gas cylinders in the plant room on the "
                        "delivery papers. Which statements about the gas are correct?",
            "hint": "Tick every correct statement.",
            "picture": "scn2_labels.gif",
            "status": "Command post on the north-west side. Caretaker: two 50 kg chlorine cylinders"
                      " in the plant room, one in use.",
            "info": "ident_unnumbers.htm",
            "alternatives": [
                (1, "Chlorine is UN 1017; on a tank its orange plate reads 265 over 1017."),
                (2, "Chlorine is 2.5 times heavier than air and fills basements and pits."),
                (3, "Chlorine burns; ignition sources are the main concern."),
                (4, "Chlorine is a strong oxidiser and supports combustion."),
                (5, "If you cannot smell it any more, the air is safe."),
            ],
            "key": [
                ("1,2,4", "R30", ""),
                ("1,2,3,4", "R20", "Chlorine does not burn. The yellow 5.1 label marks an oxidiser: it feeds"
                                   " a fire and reacts violently with fuels, oils and many metals."),
                ("1,2,4,5", "R20", "The nose tires quickly with chlorine: a fading smell means nothing."
                                   " Measure, do not sniff."),
                ("*", "R20", "Read the three labels again: toxic gas (2.3), oxidiser (5.1), corrosive (8)."
                             "\\nChlorine is about 2.5 times heavier than air and does not burn, but it"
                             " supports burning."),
            ],
            "scenes": ["scn2_outside.jpg", "scn2_map.gif"],
        },
        {
            "id": 30, "type": "jn", "minutes": 8, "points": 1,
            "question": "The pool hall lies right above the plant room and the ventilation is running. "
                        "People are still inside. What do you order first?",
            "hint": "A single 50 kg cylinder leaks: a small spill. The sun set an hour ago.",
            "status": "About 40 bathers and staff still in the pool hall and changing rooms."
                      " Haze seen near the floor of the pool hall.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (1, "Keep everyone in the pool hall, doors shut, until the leak is stopped."),
                (2, "Evacuate through the main entrance, on the downwind side."),
                (3, "Evacuate upwind, stop ventilation, isolate 60 m, protect 1.1 km downwind."),
                (4, "Evacuate upwind, stop ventilation, isolate 60 m, protect 0.3 km downwind."),
            ],
            "key": [
                ("3", "R40", ""),
                ("2", "R35", ""),
                ("1", "R30", "The pool hall lies right above the leak and the running ventilation carries"
                             " the gas into it: sheltering works only away from the source. Stop the"
                             " ventilation and get everyone out upwind."),
                ("4", "R30", "0.3 km is the day distance. After sunset the air is calm and stable and a"
                             " cloud stays concentrated for longer: for a small chlorine spill at night"
                             " protect 1.1 km downwind."),
            ],
            "scenes": ["scn2_poolhall.jpg", "scn2_map.gif", "scn2_outside.jpg"],
        },
        {
            "id": 35, "type": "fv", "minutes": 10, "points": 6,
            "question": "The bathers who left by the main entrance walked through the gas. Twelve are "
                        "exposed: several cough, their eyes burn, one is short of breath. It is 6 °C "
                        "outside. What do you do for them?",
            "hint": "Tick every correct measure.",
            "status": "Casualty collection point on the north-west side. 12 exposed, 1 with"
                      " breathing difficulty. Two ambulances on the way.",
            "info": "haz_health_effects.htm",
            "alternatives": [
                (1, "Keep them at rest, sitting up; do not let them walk."),
                (2, "Rinse eyes that sting with plenty of water."),
                (3, "Oxygen and an ambulance check for all: lung damage can show hours later."),
                (4, "Send those without symptoms home at once."),
                (5, "Wrap the wet bathers in blankets against the cold."),
            ],
            "key": [
                ("1,2,3,5", "R40", ""),
                ("1,2,3,4,5", "R35", "Everyone exposed to chlorine needs a medical check, even without"
                                     " symptoms: fluid in the lungs can come hours later."),
                ("*", "R35", "Keep them at rest and sitting up, rinse stinging eyes, give oxygen, have all"
                             " of them checked, and keep the wet bathers warm."),
            ],
            "scenes": ["scn2_casualties.jpg", "scn2_outside.jpg"],
        },
        {
            "id": 40, "type": "jn", "minutes": 12, "points": 1,
            "question": "The building is empty. The leak in the plant room must be found and stopped. "
                        "How do you protect the entry team?",
            "hint": "Unknown but high concentration in a closed room.",
            "status": "Building empty. Detector at the plant room door over range."
                      " Decontamination being set up.",
            "info": "prot_levels.htm",
            "alternatives": [
                (1, "Gas-tight suits, breathing apparatus; backup team and decon ready first."),
                (2, "Structural gear with breathing apparatus is enough for a quick look."),
                (3, "Filter masks with grey (B) filters, so the team can move freely."),
            ],
            "key": [
                ("1", "R50", ""),
                ("2", "R45", ""),
                ("3", "R40", "Filter masks need enough oxygen and only work at low concentrations. In an"
                             " unknown concentration in a closed room use breathing apparatus."),
            ],
            "scenes": ["scn2_outside.jpg", "scn2_map.gif"],
        },
        {
            "id": 45, "type": "jn", "minutes": 10, "points": 5,
            "question": "The firefighter who took a quick look comes out after two minutes: neck and "
                        "wrists burn, he coughs, his turnout gear reeks of chlorine. What now?",
            "hint": "The leak has not been found yet.",
            "status": "One firefighter exposed in the plant room in structural gear. Skin burns on"
                      " neck and wrists, coughing.",
            "info": "prot_decon.htm",
            "alternatives": [
                (1, "Gear off, rinse skin, oxygen, medical check; then a gas-tight team with backup."),
                (2, "Let him rest in fresh air and send him back in when he feels better."),
                (3, "Send a second firefighter in structural gear, who now knows where to look."),
            ],
            "key": [
                ("1", "R50", ""),
                ("2", "R45", "Chlorine keeps working on wet skin and in soaked clothing, and lung damage can"
                             " follow hours later: decontaminate him, give oxygen, get him checked. He"
                             " does not go back in."),
                ("3", "R45", "Structural gear soaks up chlorine and lets it reach moist skin: the second"
                             " firefighter would be hurt the same way. In an unknown, high concentration"
                             " only gas-tight suits with breathing apparatus."),
            ],
            "scenes": ["scn2_exposed.jpg", "scn2_map.gif"],
        },
        {
            "id": 50, "type": "fv", "minutes": 15, "points": 1,
            "question": "Cylinder 1 has slipped from its chain and lies on the floor. Liquid chlorine "
                        "escapes at its valve, which is white with frost. What does the entry team do?",
            "hint": "Tick every correct measure.",
            "status": "Entry team in the plant room. Cylinder 1 lies on the floor, leaking at the"
                      " valve. Cylinder 2 upright and intact.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Close the valve or fit the emergency cap from the supplier's kit."),
                (2, "Turn the cylinder valve-side up, so that gas, not liquid, escapes."),
                (3, "Spray water straight onto the leaking valve to wash the chlorine away."),
                (4, "Knock down gas at the door with water spray; collect the run-off."),
                (5, "Carry the leaking cylinder out into the delivery yard."),
            ],
            "key": [
                ("1,2,4", "R60", ""),
                (with_(3), "R55", ""),
                ("1,2,4,5", "R50", "Carrying a leaking cylinder through the building spreads gas on the way,"
                                   " and the yard lies low, where chlorine collects. Stop or reduce the leak"
                                   " where it is."),
                ("*", "R50", "Stop the leak at the valve or with the emergency kit. A cylinder leaking liquid"
                             " is turned so that the leak is in the gas space: one litre of liquid gives"
                             " about 460 litres of gas. Water spray on the gas only."),
            ],
            "scenes": ["scn2_plantroom.jpg", "scn2_cylinder.jpg"],
        },
        {
            "id": 55, "type": "jn", "minutes": 25, "points": 15,
            "question": "The water on the valve made the leak worse: with the moisture, chlorine forms "
                        "acid that eats the valve, and the leak grows. Gas rises into the pool hall. "
                        "What do you do?",
            "hint": "The entry team's air is at half.",
            "status": "Leak at cylinder 1 growing. Chlorine in the plant room and rising into the"
                      " empty pool hall.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Withdraw and decon the team; spray on the gas only; wider distance; call the supplier."),
                (2, "Send the entry team back to spray more water onto the valve until it stops."),
            ],
            "key": [
                ("1", "finish", ""),
                ("2", "R55", "Water on the leak makes it worse: the acid eats the valve and the water warms"
                             " the liquid so that it boils off faster. Never put water on the leak."),
            ],
            "scenes": ["scn2_plantroom.jpg", "scn2_map.gif"],
        },
        {
            "id": 60, "type": "jn", "minutes": 20, "points": 1,
            "question": "The leak is stopped and the entry team comes out. How do you end the operation?",
            "hint": "Think of the team, the building and the owner.",
            "status": "Valve closed, cap fitted. Entry team at the decontamination area.",
            "info": "prot_decon.htm",
            "alternatives": [
                (1, "Reopen the pool at once, since the leak has stopped."),
                (2, "Decontaminate the team; ventilate and measure before handing over."),
                (3, "Let the team take off their suits straight away to cool down."),
            ],
            "key": [
                ("2", "finish", ""),
                ("3", "R60", "Suits come off only after decontamination, or the team touches the"
                             " contamination."),
                ("1", "R60", "The basement and the pool hall still hold chlorine, low down and in the plant"
                             " room. Ventilate and measure before anyone goes back in, then hand over to"
                             " the owner."),
            ],
            "scenes": ["scn2_decon.jpg", "scn2_map.gif"],
        },
    ],
}

AMMONIA = {
    "id": 3,
    "name": "Ammonia leak at a cold store",
    "description": "At night the ammonia refrigeration plant of a cold store leaks (UN 1005). A worker"
                   " is missing and the cloud drifts towards houses. Approach upwind, rescue, protect"
                   " the residents and stop the leak with the plant's technician.",
    "start_time": 2 * 60 + 10,
    "logo": "scn3_logo.gif",
    "temp": "scn3_temp.bmp",
    "wind": "scn3_wind.gif",
    "rooms": [
        {
            "id": 10, "type": "jn", "start": True, "minutes": 8, "points": 1,
            "question": "Automatic alarm: ammonia detectors at a cold store. The night guard reports a "
                        "white cloud at the machine room. How do you approach?",
            "hint": "Wind from the east, 2 m/s. Houses lie west of the cold store.",
            "status": "Alarm from the ammonia detection of the cold store, Harbour Road. Night guard"
                      " on the phone: white cloud, strong smell.",
            "info": "tak_approach.htm",
            "alternatives": [
                (1, "From the west, through the residential street: the shortest way in."),
                (2, "From the east, upwind; stop at the east gate 150 m from the building."),
                (3, "Wait at the station until the cloud has blown away."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", ""),
                ("3", "R10", "Someone may be inside the cloud, and the guard needs help. Approach, but"
                             " from upwind."),
            ],
            "scenes": ["scn3_map.gif", "scn3_overview.jpg"],
        },
        {
            "id": 15, "type": "jn", "minutes": 5, "points": 5,
            "question": "In the residential street the engine drives into white fog. The crew smells "
                        "ammonia strongly and their eyes sting. What do you do?",
            "hint": "You are downwind, inside the cloud.",
            "status": "Engine 1 in the street west of the cold store, in the cloud. Residents"
                      " looking out of their windows.",
            "info": "tak_zones.htm",
            "alternatives": [
                (1, "Drive on through the cloud to the gate; it is only 200 m."),
                (2, "Turn back, shut the air intakes, go round to the east, report the cloud."),
            ],
            "key": [
                ("2", "R20", ""),
                ("1", "R15", "Driving on keeps the crew in the cloud, and the engine's air intake draws"
                             " it in. Turn back out of the cloud and approach from upwind."),
            ],
            "scenes": ["scn3_street.jpg", "scn3_map.gif"],
        },
        {
            "id": 20, "type": "fv", "minutes": 3, "points": 1,
            "question": "The guard shows you a photograph of the ammonia receiver in the machine room "
                        "with its labels. Which statements are correct?",
            "hint": "Tick every correct statement.",
            "picture": "scn3_receiver_labels.gif",
            "status": "Command post at the east gate. The plant holds about 4 tonnes of ammonia."
                      " Cloud at the machine room door, drifting west.",
            "info": "ident_sds.htm",
            "alternatives": [
                (1, "Skull, corrosion and gas cylinder: a toxic, corrosive gas under pressure."),
                (2, "Ammonia gas is lighter than air; a liquid leak forms a cold, heavy fog."),
                (3, "Ammonia cannot burn."),
                (4, "Ammonia attacks moist skin, the eyes and the airways."),
                (5, "The receiver lacks the orange plate that every ammonia vessel must carry."),
                (6, "Water must never be used anywhere near ammonia."),
            ],
            "key": [
                ("1,2,4", "R25", ""),
                ("1,2,3,4", "R20", "Ammonia burns between about 15 and 28 % in air; in a closed machine room"
                                   " the mixture can explode."),
                ("1,2,4,5", "R20", "Orange plates are transport marking, for tank vehicles and containers"
                                   " on the road. A fixed vessel carries the chemical hazard labels shown"
                                   " here, or a hazard diamond."),
                ("1,2,4,6", "R20", "Water spray absorbs ammonia gas well and is used to hold the cloud. Only"
                                   " a pool of liquid ammonia must not be hit with water."),
                ("*", "R20", "Read the labels: toxic, corrosive, gas under pressure, harmful to aquatic"
                             " life. Ammonia can burn, water spray on the gas helps, and plates of the"
                             " road kind do not belong on a fixed plant."),
            ],
            "scenes": ["scn3_overview.jpg", "scn3_machine_room.jpg"],
        },
        {
            "id": 25, "type": "jn", "minutes": 5, "points": 1,
            "question": "The cold fog spreads along the ground in all directions. The detector at the "
                        "command post by the east gate now reads 35 ppm, and rising. What do you do?",
            "hint": "The command post, the drivers and the ambulance crew work there for hours.",
            "status": "Command post, engines and ambulance at the east gate, 150 m from the machine"
                      " room. Detector there: 35 ppm, rising.",
            "info": "haz_exposure_limits.htm",
            "alternatives": [
                (1, "Stay: 35 ppm is far below the IDLH of 300 ppm."),
                (2, "Move the command post and vehicles 200 m further east, upwind, into clean air."),
                (3, "Stay at the gate; everyone there puts on breathing apparatus."),
            ],
            "key": [
                ("2", "R30", ""),
                ("1", "R25", "35 ppm is already a short-term exposure limit (15 minutes) and the reading is"
                             " rising. The IDLH is an escape limit, not a working level: the command post"
                             " belongs in clean air."),
                ("3", "R25", "A command post, drivers and an ambulance crew work for hours; breathing"
                             " apparatus lasts about half an hour. Move them out of the gas and keep the"
                             " apparatus for the entry teams."),
            ],
            "scenes": ["scn3_overview.jpg", "scn3_map.gif"],
        },
        {
            "id": 30, "type": "jn", "minutes": 10, "points": 1,
            "question": "The night shift is one worker short. He was last seen at the loading dock "
                        "next to the machine room, now in the cloud. What do you do?",
            "hint": "A life may be at stake; so are the lives of your crew.",
            "status": "Command post moved upwind. One worker missing, last seen at dock 1 by the"
                      " machine room.",
            "info": "prot_suit_work.htm",
            "alternatives": [
                (1, "Two in gas-tight suits and breathing apparatus search; backup ready."),
                (3, "Two without breathing apparatus run in with wet cloths over their faces."),
                (2, "Wait until the leak is stopped, then search."),
            ],
            "key": [
                ("1", "R35", ""),
                ("3", "R32", ""),
                ("2", "R30", "Waiting may cost the worker's life. A protected search by two in gas-tight"
                             " suits, with a backup team ready, is right when someone may be alive in"
                             " the cloud."),
            ],
            "scenes": ["scn3_dock.jpg", "scn3_overview.jpg"],
        },
        {
            "id": 32, "type": "jn", "minutes": 8, "points": 6,
            "question": "One of the two collapsed at the dock; the other staggered back with burns to the "
                        "face, coughing. The worker still lies there. What do you do?",
            "hint": "Wet cloths did not stop the ammonia.",
            "status": "Three casualties now: the worker and one firefighter at dock 1, one firefighter"
                      " at the command post with airway burns.",
            "info": "prot_suit_work.htm",
            "alternatives": [
                (1, "Two in gas-tight suits bring out both, backup ready; rinse the burnt one now."),
                (2, "Send two more with wet cloths, running faster this time."),
            ],
            "key": [
                ("1", "R35", ""),
                ("2", "R32", "Wet cloths do not stop ammonia, and speed does not help inside a cloud: you"
                             " would only add casualties. Only gas-tight suits with breathing apparatus"
                             " protect, with a backup team ready."),
            ],
            "scenes": ["scn3_dock.jpg", "scn3_overview.jpg"],
        },
        {
            "id": 35, "type": "fv", "minutes": 10, "points": 1,
            "question": "The worker is brought out, conscious, coughing, with burns on his face and hands. "
                        "His overalls are wet and stiff with cold. What do you do?",
            "hint": "Tick every correct measure.",
            "status": "Casualties handed over at the decontamination point. Ambulance on site.",
            "info": "haz_corrosives.htm",
            "alternatives": [
                (1, "Rinse skin and eyes with plenty of lukewarm water, for a long time."),
                (2, "Remove soaked clothing; thaw frozen cloth with water before removing it."),
                (3, "Neutralise the skin with vinegar."),
                (4, "Keep him at rest, give oxygen and hand him over to the ambulance."),
                (5, "Leave the rinsing until the ambulance has him at the hospital."),
            ],
            "key": [
                ("1,2,4", "R40", ""),
                ("1,2,3,4", "R35", "Never neutralise on the skin: the reaction adds heat and costs time."
                                   " Water, lots of it and for long, is the treatment."),
                ("1,2,4,5", "R35", "Ammonia keeps burning as long as it stays on the skin and in the eyes:"
                                   " rinse at once and keep rinsing on the way to hospital."),
                ("*", "R35", "Rinse skin and eyes at once with plenty of lukewarm water, get the soaked"
                             " clothing off (thaw frozen cloth with water first), keep him at rest with"
                             " oxygen and hand him over."),
            ],
            "scenes": ["scn3_casualty.jpg", "scn3_overview.jpg"],
        },
        {
            "id": 40, "type": "jn", "minutes": 8, "points": 1,
            "question": "The cloud drifts west towards the houses 300 m away. How do you protect the"
                        " residents?",
            "hint": "A cloud that passes by within a short time.",
            "status": "Cloud reaches the first houses to the west. Measured at the nearest house:"
                      " 60 ppm. About 150 residents, most of them asleep.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (1, "Wake and walk the residents out to the west, right through the cloud."),
                (2, "Keep people out of the cloud; residents stay in, windows shut, ventilation off."),
                (3, "Nothing: ammonia is lighter than air and rises away."),
            ],
            "key": [
                ("2", "R50", ""),
                ("1", "R45", ""),
                ("3", "R40", "Ammonia gas rises once it warms, but the cold fog of a liquid leak lies low"
                             " and drifts: 60 ppm at the nearest house. The residents need protection now."),
            ],
            "scenes": ["scn3_houses.jpg", "scn3_map.gif"],
        },
        {
            "id": 45, "type": "jn", "minutes": 10, "points": 6,
            "question": "The residents walking west are caught in the cloud: many cough and cannot see, an "
                        "old man has collapsed in the street. What do you order?",
            "hint": "The cloud will pass within the hour.",
            "status": "About 40 residents in the street west of the cold store, inside the cloud."
                      " Eye and airway irritation, one man collapsed.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (2, "Into the nearest houses, windows shut; rinse eyes; crews in BA carry the man out."),
                (1, "Tell them to run on through the cloud, faster."),
            ],
            "key": [
                ("2", "R50", ""),
                ("1", "R45", "Running makes people breathe faster and deeper inside the cloud. The nearest"
                             " closed building protects best until the cloud has passed."),
            ],
            "scenes": ["scn3_residents.jpg", "scn3_houses.jpg"],
        },
        {
            "id": 50, "type": "fv", "minutes": 15, "points": 1,
            "question": "The refrigeration technician has arrived. The leak is at a flange on the liquid "
                        "line inside the machine room. What do you do?",
            "hint": "Tick every correct measure.",
            "status": "Technician on site with the plant drawings. Liquid ammonia dripping from a"
                      " flange, a pool on the machine room floor.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Let the technician stop the plant and close the valves from outside."),
                (2, "Hold the cloud with a water curtain to the west; contain the run-off."),
                (3, "Spray water straight into the pool of liquid ammonia."),
                (4, "Switch on all the lights in the machine room, to see better."),
            ],
            "key": [
                ("1,2", "R60", ""),
                (with_(4), "R55", ""),
                ("1,2,3", "R50", "Water on a pool of liquid ammonia makes it boil violently and sends more gas"
                                 " into the cloud. Spray the gas, not the liquid."),
                ("*", "R50", "Let the technician isolate the leak from outside and hold the cloud with a"
                             " water curtain, collecting the run-off. No water on the liquid."),
            ],
            "scenes": ["scn3_machine_room.jpg", "scn3_overview.jpg"],
        },
        {
            "id": 55, "type": "jn", "minutes": 25, "points": 15,
            "question": "A light switch sparked: the ammonia in the machine room ignited and blew the door "
                        "out. Two of the entry team are hurt and the leak goes on. What do you order?",
            "hint": "Switches, motors and lights are ignition sources inside the cloud.",
            "status": "Deflagration in the machine room. Two firefighters with burns brought out."
                      " Leak not stopped.",
            "info": "haz_fire_explosion.htm",
            "alternatives": [
                (1, "All out; treat the injured; plant shut from outside; water curtain; residents in."),
                (2, "Send a new team in at once to switch the lights off again."),
            ],
            "key": [
                ("1", "finish", ""),
                ("2", "R55", "Nobody goes back into a room where the mixture has just burnt: it can ignite"
                             " again and the structure may be damaged. Shut the plant from outside and"
                             " hold the cloud with water."),
            ],
            "scenes": ["scn3_blast.jpg", "scn3_map.gif"],
        },
        {
            "id": 60, "type": "jn", "minutes": 20, "points": 1,
            "question": "The valves are closed and the cloud is gone from view. When do you lift the"
                        " stay-indoors advice?",
            "hint": "Ammonia you cannot see can still be harmful.",
            "status": "Leak isolated. Water curtain still running. No cloud visible.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (1, "At once: no cloud is visible any more."),
                (2, "When measurements outside and in the houses are low; then hand over."),
            ],
            "key": [
                ("2", "finish", ""),
                ("1", "R60", "Ammonia is invisible at harmful concentrations. Measure first."),
            ],
            "scenes": ["scn3_after.jpg", "scn3_houses_clear.jpg"],
        },
    ],
}

SCENARIOS = [PETROL, CHLORINE, AMMONIA]
