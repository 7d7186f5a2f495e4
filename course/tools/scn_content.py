"""The three sample scenarios: rooms, questions, alternatives, answer keys and scene pictures.

Room fields: id, type ("jn" one answer, "fv" several), start, minutes (added to the clock each
time the question is shown), points (penalty points: a good run collects few), question and
hint (paragraphs split by a literal \\n; scn_tables.py wraps them to the question column),
status, picture (question picture in data/images), info (page in data/html), alternatives
[(id, text)] in display order, key [(answer, action, dialog)], scenes (pictures or pages in
data/images, in panning order).
"""

STAY = ""  # an empty dialog text: the program's own "try again" message is shown

PETROL = {
    "id": 1,
    "name": "Petrol tank truck leaking after a motorway collision",
    "description": "A car has run into a tank truck on the motorway. Petrol (UN 1203) is leaking"
                   " onto the carriageway. Approach, identify, isolate, protect the drains and stop the leak.",
    "start_time": 14 * 60 + 20,
    "score_min": 5,
    "score_max": 40,
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
                (2, "Move the crew out on foot to the west, upwind; warn the next units."),
            ],
            "key": [
                ("2", "R20", ""),
                ("*", "R15", STAY),
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
                ("*", "R20", "Not quite. 33 over 1203 is petrol: highly flammable, vapour about three"
                             " times heavier than air.\\nThe main danger is fire, not skin contact."),
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
                ("2", "R35", ""),
            ],
            "scenes": ["scn1_approach.jpg", "scn1_map.gif"],
        },
        {
            "id": 35, "type": "jn", "minutes": 15, "points": 10,
            "question": "A passing car ignited the vapour. The pool burns under the tank, which is now"
                        " exposed to the flames. What do you order?",
            "hint": "A tank truck involved in fire.",
            "status": "Pool fire under the tank truck, black smoke drifting east. The tank shell is"
                      " heated by the flames. Two injured in the passing car, out of the danger area.",
            "info": "haz_fire_explosion.htm",
            "alternatives": [
                (1, "Attack the burning pool at once with straight jets from close range."),
                (2, "Isolate 800 m, cool the tank from unmanned monitors and build up foam."),
            ],
            "key": [
                ("2", "R60", ""),
                ("1", "R35", "A straight jet spreads the burning petrol and the crew stands next to a"
                             " heated tank.\\nWithdraw, cool from a distance and prepare a foam attack."),
            ],
            "scenes": ["scn1_fire.jpg", "scn1_map.gif"],
        },
        {
            "id": 40, "type": "fv", "minutes": 10, "points": 1,
            "question": "The pool is running towards a road gully at the hard shoulder. Your crew will "
                        "work close to the spill. What do you order?",
            "hint": "Tick every correct measure.",
            "status": "Motorway closed. Petrol flows along the kerb towards a gully 20 m east of"
                      " the truck. The gully leads to a stream.",
            "info": "tak_environment.htm",
            "alternatives": [
                (1, "Structural gear and breathing apparatus, a charged foam line ready."),
                (2, "Gas-tight chemical suits (level A) for the whole crew."),
                (3, "Seal the gully with a drain cover and dam the flow with sand."),
                (4, "Flush the petrol into the gully with water to clear the road."),
                (5, "Use spark-free tools and earth the equipment."),
                (6, "Cover the pool with a foam blanket to keep the vapour down."),
            ],
            "key": [
                ("1,3,5,6", "R50", ""),
                ("*", "R40", "Not the whole picture. Protect against fire (foam, structural gear, no"
                             " sparks) and keep the petrol out of the drains. A gas-tight suit gives"
                             " no fire protection."),
            ],
            "scenes": ["scn1_drain.jpg", "scn1_tanker_rear.jpg"],
        },
        {
            "id": 50, "type": "jn", "minutes": 20, "points": 1,
            "question": "The leak comes from a damaged bottom valve, about 10 litres a minute. The pool"
                        " is under foam. How do you deal with the leak?",
            "hint": "The tank still holds about 28 000 litres.",
            "status": "Foam blanket intact, gully sealed. The haulier's emergency team and an empty"
                      " tank truck are 30 minutes away.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Plug the valve with a leak kit, catch the drip, then pump over, earthed."),
                (2, "Lift the tank truck with a crane at once, so the valve no longer leaks."),
                (3, "Wait until the tank has run empty, under the foam blanket."),
            ],
            "key": [
                ("1", "finish", ""),
                ("2", "R50", "Never lift a loaded, leaking tank: the shell may tear. Stop the leak"
                             " first and empty the tank by pumping over."),
                ("3", "R50", STAY),
            ],
            "scenes": ["scn1_tanker_side.jpg", "scn1_foam.jpg"],
        },
        {
            "id": 60, "type": "fv", "minutes": 25, "points": 4,
            "question": "Foam and water are in place. Which measures belong to the attack?",
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
                ("1,2,4", "R50", ""),
                ("*", "R60", "A foam blanket only works unbroken: never hit it with water jets."),
            ],
            "scenes": ["scn1_foam.jpg", "scn1_fire.jpg"],
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
    "score_min": 6,
    "score_max": 40,
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
            ],
            "key": [
                ("2", "R20", ""),
                ("*", "R15", STAY),
            ],
            "scenes": ["scn2_entrance.jpg", "scn2_casualties.jpg"],
        },
        {
            "id": 20, "type": "fv", "minutes": 3, "points": 1,
            "question": "The caretaker shows you the labels of the gas cylinders in the plant room. "
                        "Which statements about the gas are correct?",
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
                ("*", "R20", "Look again at the labels: toxic gas (2.3), oxidiser (5.1), corrosive (8)."
                             "\\nChlorine does not burn, and the nose tires quickly: measure, do not"
                             " sniff."),
            ],
            "scenes": ["scn2_outside.jpg", "scn2_map.gif"],
        },
        {
            "id": 30, "type": "jn", "minutes": 8, "points": 1,
            "question": "The pool hall lies right above the plant room and the ventilation is running. "
                        "People are still inside. What do you order first?",
            "hint": "A small leak from one cylinder. Think of isolation and of the people downwind.",
            "status": "About 40 bathers and staff still in the pool hall and changing rooms."
                      " Haze seen near the floor of the pool hall.",
            "info": "tak_protective_actions.htm",
            "alternatives": [
                (1, "Keep everyone in the pool hall, doors shut, until the leak is stopped."),
                (2, "Evacuate through the main entrance, on the downwind side."),
                (3, "Evacuate upwind, stop ventilation, isolate 60 m, warn people downwind."),
            ],
            "key": [
                ("3", "R40", ""),
                ("1", "R35", ""),
                ("2", "R35", ""),
            ],
            "scenes": ["scn2_poolhall.jpg", "scn2_map.gif", "scn2_outside.jpg"],
        },
        {
            "id": 35, "type": "fv", "minutes": 10, "points": 6,
            "question": "Twelve bathers have been exposed. Several cough, their eyes burn, one is short "
                        "of breath. It is 6 °C outside. What do you do for them?",
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
                ("*", "R35", "Everyone exposed to chlorine needs a medical check, even without symptoms:"
                             " lung oedema can come hours later."),
            ],
            "scenes": ["scn2_casualties.jpg", "scn2_outside.jpg"],
        },
        {
            "id": 40, "type": "jn", "minutes": 12, "points": 1,
            "question": "The building is empty. The leak in the plant room must be found and stopped. "
                        "How do you protect the entry team?",
            "hint": "Unknown but high concentration in a closed room.",
            "status": "Building evacuated, ventilation stopped. Detector at the plant room door"
                      " over range. Decontamination being set up.",
            "info": "prot_levels.htm",
            "alternatives": [
                (1, "Gas-tight suits, breathing apparatus; backup team and decon ready first."),
                (2, "Structural gear with breathing apparatus is enough for a quick look."),
                (3, "Filter masks with grey (B) filters, so the team can move freely."),
            ],
            "key": [
                ("1", "R50", ""),
                ("3", "R40", "Filter masks need enough oxygen and only work at low concentrations. In an"
                             " unknown concentration in a closed room use breathing apparatus."),
                ("2", "R40", STAY),
            ],
            "scenes": ["scn2_plantroom.jpg", "scn2_map.gif"],
        },
        {
            "id": 50, "type": "fv", "minutes": 15, "points": 1,
            "question": "The valve of the cylinder in use is leaking; the room is full of yellow-green "
                        "gas. What does the entry team do?",
            "hint": "Tick every correct measure.",
            "status": "Entry team in the plant room. Leak at the valve of cylinder 1, gas escaping."
                      " Cylinder 2 intact.",
            "info": "tak_control_release.htm",
            "alternatives": [
                (1, "Close the valve or fit the emergency cap from the supplier's kit."),
                (2, "Turn the cylinder so that gas, not liquid, escapes from the leak."),
                (3, "Spray water straight onto the leaking valve to wash the gas away."),
                (4, "Knock down gas at the door with water spray; collect the run-off."),
            ],
            "key": [
                ("1,2,4", "R60", ""),
                ("*", "R50", "Never put water on the leak itself: with water, chlorine forms acids that"
                             " corrode the valve and make the leak worse. Use spray only on the gas."),
            ],
            "scenes": ["scn2_plantroom.jpg", "scn2_cylinder.jpg"],
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
                ("*", "R60", STAY),
            ],
            "scenes": ["scn2_decon.jpg", "scn2_cylinder.jpg"],
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
    "score_min": 7,
    "score_max": 45,
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
                ("*", "R15", STAY),
            ],
            "scenes": ["scn3_street.jpg", "scn3_map.gif"],
        },
        {
            "id": 20, "type": "fv", "minutes": 3, "points": 1,
            "question": "The guard shows you the plate on the ammonia receiver. Which statements are"
                        " correct?",
            "hint": "Tick every correct statement.",
            "picture": "panel_268_1005.gif",
            "status": "Command post at the east gate. The plant holds about 4 tonnes of ammonia."
                      " Cloud rising from the machine room door and drifting west.",
            "info": "ident_unnumbers.htm",
            "alternatives": [
                (1, "UN 1005 is anhydrous ammonia; 268 means toxic gas, corrosive."),
                (2, "Ammonia gas is lighter than air; a liquid leak forms a cold, heavy fog."),
                (3, "Ammonia cannot burn."),
                (4, "Ammonia attacks moist skin, the eyes and the airways."),
                (5, "Water must never be used anywhere near ammonia."),
            ],
            "key": [
                ("1,2,4", "R30", ""),
                ("*", "R20", "Ammonia burns between about 15 and 28 % in air, indoors it can explode. Water"
                             " spray absorbs the gas well; only a pool of liquid ammonia must not be hit"
                             " with water."),
            ],
            "scenes": ["scn3_overview.jpg", "scn3_machine_room.jpg"],
        },
        {
            "id": 30, "type": "jn", "minutes": 10, "points": 1,
            "question": "The night shift is one worker short. He was last seen at the loading dock "
                        "next to the machine room, now in the cloud. What do you do?",
            "hint": "A life may be at stake; so are the lives of your crew.",
            "status": "One worker missing, last seen at dock 4 by the machine room. Detector at the"
                      " gate 35 ppm.",
            "info": "prot_suit_work.htm",
            "alternatives": [
                (1, "Two in gas-tight suits and breathing apparatus search; backup ready."),
                (2, "Two without breathing apparatus run in with wet cloths over their faces."),
                (3, "Wait until the leak is stopped, then search."),
            ],
            "key": [
                ("1", "R35", ""),
                ("2", "R30", "Wet cloths do not protect against ammonia: the two would become casualties"
                             " themselves."),
                ("*", "R30", STAY),
            ],
            "scenes": ["scn3_dock.jpg", "scn3_overview.jpg"],
        },
        {
            "id": 35, "type": "fv", "minutes": 10, "points": 1,
            "question": "The worker is brought out, conscious, coughing, with burns on his face and hands. "
                        "His overalls are wet and stiff with cold. What do you do?",
            "hint": "Tick every correct measure.",
            "status": "Worker rescued from dock 4 and handed over at the decontamination point."
                      " Ambulance on site.",
            "info": "haz_corrosives.htm",
            "alternatives": [
                (1, "Rinse skin and eyes with plenty of lukewarm water, for a long time."),
                (2, "Remove soaked clothing; thaw frozen cloth with water before removing it."),
                (3, "Neutralise the skin with vinegar."),
                (4, "Keep him at rest, give oxygen and hand him over to the ambulance."),
            ],
            "key": [
                ("1,2,4", "R40", ""),
                ("*", "R35", "Never neutralise on the skin: the reaction adds heat. Water, lots of it,"
                             " is the treatment."),
            ],
            "scenes": ["scn3_casualty.jpg", "scn3_dock.jpg"],
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
                (2, "Isolate 100 m around; tell residents downwind to stay in, windows shut."),
                (3, "Nothing: ammonia is lighter than air and rises away."),
            ],
            "key": [
                ("2", "R50", ""),
                ("1", "R40", "Walking people through the cloud exposes them more than staying indoors"
                             " while it passes.\\nShelter in place, with windows closed and ventilation"
                             " off."),
                ("*", "R40", STAY),
            ],
            "scenes": ["scn3_houses.jpg", "scn3_map.gif"],
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
                ("*", "R50", "Water on the liquid pool makes it boil off faster, and switches can ignite"
                             " ammonia indoors.\\nIsolate the leak with the technician and hold the"
                             " cloud with a water curtain."),
            ],
            "scenes": ["scn3_machine_room.jpg", "scn3_water_curtain.jpg"],
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
            "scenes": ["scn3_water_curtain.jpg", "scn3_houses.jpg", "scn3_overview.jpg"],
        },
    ],
}

SCENARIOS = [PETROL, CHLORINE, AMMONIA]
