// Lancer beams: reaching out from the emitters toward the cursor, sliding along a strip emitter,
// tracking the target at 45 degrees per second inside the arc, draining charge while on target,
// and the looping beam sound.
#include <cmath>

#include "audio/audio.h"
#include "audio/loop_source.h"
#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/sounds.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/weapon_math.h"
#include "game/sim/weapons.h"

using namespace weapon_math;

namespace {

constexpr f32 BEAM_SPEED = 5.0f;         // extension per second before the sweep rate
constexpr f32 TRACK_STEP = -9.0f;        // degrees per unit of k: 45 degrees per second
constexpr f32 DRAIN_PER_K = 0.14285715f; // 5/7 charge per second on target
constexpr f32 MIN_BEAM_CHARGE = 0.2f;

bool IsLancer(u8 type) {
    return type == MOUNT_LANCER_STRIP || type == MOUNT_LANCER_POINT;
}

void StopBeamSound(const Ship* ship) {
    if (ship && ship->beamSource != NO_SOURCE) StopLoopSource(ship->beamSource);
}

// The looping beam hum sits at the world origin (where the ship is drawn), fading with zoom.
void PlayBeamLoop(Ship* ship) {
    if (ship->beamSource == NO_SOURCE) {
        u32 source = NewSource();
        if (source == INVALID_HANDLE) return;
        ship->beamSource = source;
    }
    PlayLoopSource(ship->beamSource, lancerSound, ZoomGain());
}

void IdleAllBeams(Ship* ship) {
    StopBeamSound(ship);
    for (BeamState& beam : ship->beams) beam.progress = -1.0f;
}

// Keeps the beams of lancers the cursor is in arc of, idles the rest; false when none is left.
bool SelectBeams(Ship* ship) {
    f32 remembered[MAX_MOUNTS];
    for (int i = 0; i < MAX_MOUNTS; ++i) {
        remembered[i] = ship->beams[i].progress;
        ship->beams[i].progress = -1.0f;
    }
    u8 list[MAX_MOUNTS];
    u16 count = MountsInArc(list);
    bool any = false;
    for (u16 n = 0; n < count; ++n) {
        u8 m = list[n];
        if (!IsLancer(ship->shipClass->mounts[m].type)) continue;
        any = true;
        if (remembered[m] <= 0.0f && systems.weaponCharge[m] >= MIN_BEAM_CHARGE)
            PlayUISound(lancerStartSound);
        ship->beams[m].progress = remembered[m] >= 0.0f ? remembered[m] : 0.0f;
    }
    return any;
}

// A strip emitter starts its beam at the point of the strip facing the target.
void PlaceOnStrip(BeamState& beam, const WeaponMount& mount, Vec2f t) {
    if (mount.emitterRadiusX == 0.0f || mount.arc == 0) return;
    Vec2f u;
    if (!Normalise({t.x * mount.emitterRadiusY / mount.emitterRadiusX, t.y}, &u)) return;
    f32 a = 90.0f - AsinDeg(-u.y);
    if (u.x < 0.0f) a = -a;
    beam.sweep = 1.0f - a / mount.arc;
}

bool OutsideArc(const WeaponMount& mount, Vec2f dir) {
    Vec2f md{mount.dirX, mount.dirY};
    Vec2f q{-dir.y, dir.x};
    if (Dot(dir, {-mount.dirY, mount.dirX}) < 0.0f) return Dot(Rotate(md, -mount.arc), q) > 0.0f;
    return Dot(Rotate(md, mount.arc), q) < 0.0f;
}

// The beam is out: turn it toward the target, drop it back to extending when it leaves the
// emitter's facing or the arc, and drain the mount while it holds.
void TrackTarget(Ship* ship, u8 i, Vec2f t, Vec2f e, f32 k) {
    const WeaponMount& mount = ship->shipClass->mounts[i];
    BeamState& beam = ship->beams[i];
    f32 s = (beam.sweep - 1.0f) * mount.arc;
    Vec2f v{t.x + std::sin(s * DEG_TO_RAD) * mount.emitterRadiusX,
            t.y + std::cos(s * DEG_TO_RAD) * mount.emitterRadiusY};
    Vec2f n{-v.y, v.x};
    Vec2f dir{beam.dirX, beam.dirY};
    f32 side = Sign(Dot(n, dir));
    Vec2f r = Rotate(dir, side * k * TRACK_STEP);
    Vec2f onTarget;
    if (Sign(Dot(n, r)) == side)
        dir = r;
    else
        dir = Normalise(v, &onTarget) ? onTarget : r;
    beam.dirX = dir.x;
    beam.dirY = dir.y;
    if (Dot(e, dir) < 0.0f || OutsideArc(mount, dir)) {
        StopBeam(i);
        return;
    }
    f32& charge = systems.weaponCharge[i];
    charge -= k * DRAIN_PER_K;
    if (charge < 0.0f) {
        charge = 0.0f;
        beam.progress = -1.0f;
        StopBeamSound(ship);
    }
}

void StepBeam(Ship* ship, u8 i, Vec2f cursor, f32 k) {
    const WeaponMount& mount = ship->shipClass->mounts[i];
    BeamState& beam = ship->beams[i];
    Vec2f t{cursor.x - mount.x, cursor.y - mount.y};
    Vec2f e = Rotate({mount.dirX, mount.dirY}, (1.0f - beam.sweep) * mount.arc);
    if (beam.progress < 1.0f && Dot(t, e) < 0.0f) StopBeam(i);
    if (beam.progress < 1.0f && beam.progress + k >= 1.0f) {
        Vec2f dir;
        if (!Normalise(t, &dir)) return; // cursor on the emitter: no direction this frame
        beam.dirX = dir.x;
        beam.dirY = dir.y;
        PlayBeamLoop(ship);
    }
    if (beam.progress == 0.0f && mount.type == MOUNT_LANCER_STRIP) PlaceOnStrip(beam, mount, t);
    beam.progress += k * mount.sweepRate;
    if (beam.progress > 1.0f) TrackTarget(ship, i, t, e, k);
}

} // namespace

void UpdateBeams(Ship* ship, f32 dt) {
    if (!ship || !ship->shipClass) return;
    if (!IsKeyDown(KEY_LBUTTON) || IsActionDown(ACTION_CONSOLE)) {
        IdleAllBeams(ship);
        return;
    }
    Vec2f cursor = Rotate(CursorToShip(), -ship->heading);
    if (!SelectBeams(ship)) {
        StopBeamSound(ship);
        return;
    }
    f32 k = BEAM_SPEED * dt;
    const ShipClass& cls = *ship->shipClass;
    for (u8 i = 0; i < cls.mountCount && i < MAX_MOUNTS; ++i) {
        const BeamState& beam = ship->beams[i];
        if (beam.progress < 0.0f || !IsLancer(cls.mounts[i].type)) continue;
        if (beam.progress < 1.0f && systems.weaponCharge[i] < MIN_BEAM_CHARGE) continue;
        StepBeam(ship, i, cursor, k);
    }
}

void StopBeam(u8 mount) {
    Ship* ship = world.playerShip;
    if (!ship || mount >= MAX_MOUNTS) return;
    ship->beams[mount].progress = 0.0f;
    StopBeamSound(ship);
    PlayUISound(lancerStartSound);
}
