"""What a build made and what it left out."""
import collections


class Report:
    def __init__(self):
        self.left_out = collections.defaultdict(list)
        self.how = collections.Counter()
        self.sections = []

    def leave_out(self, why, word):
        self.left_out[why].append(word)

    def count_how(self, how):
        self.how[how] += 1

    def add(self, title, rows):
        self.sections.append((title, rows))

    def text(self):
        out = []
        for title, rows in self.sections:
            out.append("== " + title)
            out.extend("  " + r for r in rows)
        out.append("== Mots laissés de côté")
        for why in sorted(self.left_out):
            words = self.left_out[why]
            sample = ", ".join(sorted(set(words))[:12])
            out.append("  %s : %d (%s%s)" % (why, len(words), sample, ", ..." if len(set(words)) > 12 else ""))
        return "\n".join(out) + "\n"
