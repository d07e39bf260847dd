#!/usr/bin/env python3
"""Plays rule set A against rule set B in both seatings on the same seeds and prints how many
points a round A gains on B, with its standard error.

usage: compare.py FIVRA_SIM DATA_DIR A_DIR B_DIR [ROUNDS [SEED]]

A and B are rule folders laid over DATA_DIR (see fivra-sim --data-vi / --data-de). Seating A as
Vi and then as De cancels what the seats themselves are worth.
"""
import json
import math
import subprocess
import sys


def run(sim, data, vi, de, rounds, seed):
    command = [sim, "--rounds", str(rounds), "--seed", str(seed), "--data", data,
               "--data-vi", vi, "--data-de", de]
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    summary = json.loads(result.stdout.strip().splitlines()[-1])
    if summary["invariant_failures"] or summary["messages"]:
        sys.exit(f"{' '.join(command)}: failures or messages: {summary}")
    return summary


def team_line(name, summary, team):
    bids = summary[f"bids_{team}"]
    made = summary[f"bids_made_{team}"]
    return (f"  {name}: {summary[f'points_per_round_{team}']:.3f} points a round, "
            f"{summary[f'games_won_{team}']} games, {bids} bids won, "
            f"{made / bids if bids else 0:.3f} made")


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    sim, data, a, b = sys.argv[1:5]
    rounds = int(sys.argv[5]) if len(sys.argv) > 5 else 4000
    seed = int(sys.argv[6]) if len(sys.argv) > 6 else 1
    a_vi = run(sim, data, a, b, rounds, seed)
    a_de = run(sim, data, b, a, rounds, seed)
    gain = (a_vi["points_diff_per_round"] - a_de["points_diff_per_round"]) / 2
    error = math.hypot(a_vi["points_diff_stderr"], a_de["points_diff_stderr"]) / 2
    games_a = a_vi["games_won_vi"] + a_de["games_won_de"]
    games_b = a_vi["games_won_de"] + a_de["games_won_vi"]
    print(f"A={a} B={b} rounds={rounds} per seating, seed={seed}")
    print(f"A as Vi: forced bids {a_vi['forced_bids']}")
    print(team_line("A", a_vi, "vi"))
    print(team_line("B", a_vi, "de"))
    print(f"A as De: forced bids {a_de['forced_bids']}")
    print(team_line("A", a_de, "de"))
    print(team_line("B", a_de, "vi"))
    print(f"A gains {gain:+.3f} +- {error:.3f} points a round on B; "
          f"games won A:B = {games_a}:{games_b}")


if __name__ == "__main__":
    main()
