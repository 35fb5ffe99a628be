"""Words the pronouncer says wrongly, given here as they are said.

Each entry is spelling -> IPA. An entry keyed "spelling/lemma" applies only to
forms of that lemma (homographs such as "fils", son, against "fils", threads),
one keyed "spelling:CATEGORY" only to that use of the form ("est", east).
"""

FIXED = {
    # final consonants that are sounded
    "fils/fils": "fis", "os/os": "ɔs", "cassis": "kasis", "vis:NOM": "vis", "est:NOM": "ɛst",
    "as:NOM": "ɑs", "as/avoir": "a", "mars:NOM": "maʁs", "ours": "uʁs", "mœurs": "mœʁs",
    "sept": "sɛt", "août": "ut", "but:NOM": "byt", "gens": "ʒɑ̃", "jadis": "ʒadis", "lis:NOM": "lis",
    "oasis": "ɔazis", "iris": "iʁis", "tennis": "tenis", "bis": "bis", "fœtus": "fetys",
    "lapsus": "lapsys", "cactus": "kaktys", "virus": "viʁys", "blocus": "blɔkys",
    "hiatus": "jatys", "rébus": "ʁebys", "sinus": "sinys", "humus": "ymys", "autobus": "otobys",
    "terminus": "tɛʁminys", "prospectus": "pʁɔspɛktys", "bonus": "bɔnys", "ananas": "anana", "atlas": "atlas", "hélas:INT": "elas", "vasistas": "vazistas",
    "aloès": "alɔɛs", "cyprès": "sipʁɛ", "express": "ɛkspʁɛs", "mess": "mɛs",
    "fat": "fat", "mat:ADJ": "mat", "net": "nɛt", "dot": "dɔt", "rut": "ʁyt", "zut": "zyt",
    "brut": "bʁyt", "chut:INT": "ʃyt", "scorbut": "skɔʁbyt", "granit": "ɡʁanit", "déficit": "defisit",
    "transit:NOM": "tʁɑ̃zit", "aconit": "akɔnit", "coït": "kɔit", "exeat": "ɛɡzeat",
    "ouest": "wɛst", "est-ouest": "ɛstwɛst", "fait:NOM": "fɛ",
    "laid": "lɛ", "laids": "lɛ", "aspect": "aspɛ", "aspects": "aspɛ", "respect": "ʁɛspɛ",
    "respects": "ʁɛspɛ", "irrespect": "iʁɛspɛ", "circonspect": "siʁkɔ̃spɛ", "cric": "kʁi",
    "marc": "maʁ", "perdrix": "pɛʁdʁi", "crucifix": "kʁysifi", "porc-épic": "pɔʁkepi",
    "lied": "lid", "lieds": "lid", "muid": "mɥi", "oued": "wɛd", "poud": "pud", "baud": "bo",
    "bézoard": "bezɔaʁ", "do": "do", "papy": "papi", "papys": "papi", "mamy": "mami",
    "mamys": "mami", "beurk": "bœʁk", "berk": "bɛʁk", "p'tit": "pti", "aulx": "o", "quiz": "kwiz",
    "dos": "do", "hit": "it", "hits": "it", "eth": "ɛt", "ers": "ɛʁ", "fier:VER": "fje", "cerf": "sɛʁ", "nerf": "nɛʁ", "clef": "kle", "porc": "pɔʁ", "tabac": "taba", "estomac": "ɛstɔma",
    "almanach": "almana", "croc": "kʁo", "escroc": "ɛskʁo", "accroc": "akʁo", "raccroc": "ʁakʁo",
    "caoutchouc": "kautʃu", "broc": "bʁo", "banc": "bɑ̃", "flanc": "flɑ̃", "tronc": "tʁɔ̃",
    "ail": "aj", "abbaye": "abei", "pays": "pei", "paysan": "peizɑ̃", "paysanne": "peizan",
    "oignon": "ɔɲɔ̃", "oignons": "ɔɲɔ̃", "encoignure": "ɑ̃kɔɲyʁ", "poêle": "pwal", "poêles": "pwal",
    "moelle": "mwal", "moelleux": "mwalø", "gageure": "ɡaʒyʁ", "gageures": "ɡaʒyʁ",
    "second": "səɡɔ̃", "seconde": "səɡɔ̃d", "secondes": "səɡɔ̃d", "seconds": "səɡɔ̃",
    "femme": "fam", "femmes": "fam", "solennel": "sɔlanɛl", "solennelle": "sɔlanɛl",
    "solennité": "sɔlanite", "automne": "otɔn", "automnes": "otɔn", "condamner": "kɔ̃dane",
    "dompter": "dɔ̃te", "dompteur": "dɔ̃tœʁ", "compter": "kɔ̃te", "sculpter": "skylte",
    "sculpteur": "skyltœʁ", "sculpture": "skyltyʁ", "monsieur": "məsjø", "messieurs": "mesjø",
    "gentilshommes": "ʒɑ̃tizɔm", "gentilhomme": "ʒɑ̃tijɔm", "aujourd'hui": "oʒuʁdɥi",
    "cuiller": "kɥijɛʁ", "cuillers": "kɥijɛʁ", "œil": "œj", "yeux": "jø", "cieux": "sjø",
    "fusil": "fyzi", "outil": "uti", "gentil": "ʒɑ̃ti", "sourcil": "suʁsi", "persil": "pɛʁsi",
    "nombril": "nɔ̃bʁi", "chenil": "ʃəni", "fournil": "fuʁni", "baril": "baʁi",
    "amer": "amɛʁ", "amers": "amɛʁ", "fier:ADJ": "fjɛʁ", "fiers:ADJ": "fjɛʁ", "hier": "jɛʁ",
    "cher": "ʃɛʁ", "chers": "ʃɛʁ", "hiver": "ivɛʁ", "hivers": "ivɛʁ", "enfer": "ɑ̃fɛʁ",
    "enfers": "ɑ̃fɛʁ", "fer": "fɛʁ", "fers": "fɛʁ", "mer": "mɛʁ", "mers": "mɛʁ", "ver": "vɛʁ",
    "vers": "vɛʁ", "cancer": "kɑ̃sɛʁ", "éther": "etɛʁ", "magister": "maʒistɛʁ",
    "revolver": "ʁevɔlvɛʁ", "starter": "staʁtɛʁ", "gangster": "ɡɑ̃ɡstɛʁ", "hamster": "amstɛʁ",
    "poster:NOM": "pɔstɛʁ", "reporter:NOM": "ʁəpɔʁtɛʁ", "cluster": "klœstœʁ",
    "bulldozer": "byldozɛʁ", "hamburger": "ɑ̃buʁɡœʁ", "manager:NOM": "manadʒœʁ",
    "leader": "lidœʁ", "speaker": "spikœʁ", "dealer:NOM": "dilœʁ", "joker": "ʒɔkɛʁ",
    "scooter": "skutœʁ", "boxer:NOM": "bɔksɛʁ", "blazer": "blazɛʁ", "bunker": "bunkœʁ",
    "cocker": "kɔkɛʁ", "container": "kɔ̃tɛnœʁ", "corner:NOM": "kɔʁnɛʁ", "freezer": "fʁizœʁ",
    "hacker": "akœʁ", "jumper": "dʒœmpœʁ", "laser": "lazɛʁ", "loser": "luzœʁ",
    "outsider": "awtsajdœʁ", "pacemaker": "pɛsmɛkœʁ", "poker": "pɔkɛʁ", "polder": "pɔldɛʁ",
    "quaker": "kwɛkœʁ", "rocker": "ʁɔkœʁ", "roller": "ʁɔlœʁ", "scanner:NOM": "skanɛʁ",
    "setter": "setɛʁ", "shaker": "ʃɛkœʁ", "sprinter:NOM": "spʁintœʁ", "supporter:NOM": "sypɔʁtɛʁ",
    "thriller": "sʁilœʁ", "toaster:NOM": "tostœʁ", "trader": "tʁɛdœʁ", "trailer": "tʁɛlœʁ",
    "tuner": "tjunœʁ", "docker": "dɔkɛʁ", "bestseller": "bɛstsɛlœʁ", "best-seller": "bɛstsɛlœʁ",
    "driver:NOM": "dʁajvœʁ", "zapper:NOM": "zapœʁ", "rapper:NOM": "ʁapœʁ", "blocker": "blɔkœʁ",
    "folder": "fɔldœʁ", "partner": "paʁtnɛʁ", "printer": "pʁintœʁ", "cutter": "kœtœʁ",
    "clipper:NOM": "klipœʁ", "stripper:NOM": "stʁipœʁ", "timer": "tajmœʁ", "flipper:NOM": "flipœʁ",
    "sweater": "swetœʁ", "tanker": "tɑ̃kœʁ", "chester": "ʃɛstɛʁ", "master": "mastœʁ",
    "spencer": "spɛnsɛʁ", "fuller": "fulœʁ", "challenger": "ʃalɛnʒœʁ", "mixer:NOM": "miksœʁ",
    "mixeur": "miksœʁ", "gender": "dʒɛndœʁ", "ranger:NOM": "ʁɑ̃dʒœʁ", "bookmaker": "bukmɛkœʁ",
    "week-end": "wikɛnd", "week-ends": "wikɛnd", "football": "futbol", "basket-ball": "baskɛtbol",
    "volley-ball": "vɔlɛbol", "handball": "ɑ̃dbal", "base-ball": "bɛzbol", "yacht": "jɔt",
    "pizza": "pidza", "pizzas": "pidza", "jazz": "dʒaz", "whisky": "wiski", "sandwich": "sɑ̃dwitʃ",
    "ketchup": "kɛtʃœp", "parking": "paʁkiŋ", "camping": "kɑ̃piŋ", "smoking": "smɔkiŋ",
    "meeting": "mitiŋ", "building": "bildiŋ", "shopping": "ʃɔpiŋ", "jogging": "dʒɔɡiŋ",
    "marketing": "maʁkətiŋ", "brushing": "bʁœʃiŋ", "dancing": "dɑ̃siŋ", "living": "liviŋ",
    "pressing": "pʁesiŋ", "planning": "planiŋ", "bowling": "buliŋ", "standing": "stɑ̃diŋ",
    "footing": "futiŋ", "casting": "kastiŋ", "doping": "dɔpiŋ", "lifting": "liftiŋ",
    "rafting": "ʁaftiŋ", "karting": "kaʁtiŋ", "browning": "bʁoniŋ", "pudding": "pudiŋ",
    "sterling": "stɛʁliŋ", "schilling": "ʃiliŋ", "shilling": "ʃiliŋ", "bœuf": "bœf",
    "bœufs": "bø", "œuf": "œf", "œufs": "ø", "club": "klœb", "clubs": "klœb", "pub": "pœb", "rugby": "ʁyɡbi", "baby": "bebi",
    "lady": "ledi", "derby": "dɛʁbi", "hobby": "ɔbi", "lobby": "lɔbi", "pony": "pɔni",
    "penalty": "penalti", "jury": "ʒyʁi", "boy": "bɔj", "cowboy": "kobɔj", "cow-boy": "kobɔj",
    "show": "ʃo", "shows": "ʃo", "slow": "slo", "bungalow": "bœ̃ɡalo", "cake": "kɛk",
    "steak": "stɛk", "break": "bʁɛk", "snack": "snak", "look": "luk", "book": "buk",
    "boom": "bum", "zoom": "zum", "cool": "kul", "pool": "pul", "foot": "fut",
    "scoop": "skup", "spleen": "splin", "tweed": "twid", "week": "wik", "beefsteak": "biftɛk",
    "bifteck": "biftɛk", "stress": "stʁɛs", "fair-play": "fɛʁplɛ", "play-back": "plɛbak",
    "sweat-shirt": "switʃœʁt", "tee-shirt": "tiʃœʁt", "t-shirt": "tiʃœʁt", "short": "ʃɔʁt",
    "shorts": "ʃɔʁt", "bled": "blɛd", "seing": "sɛ̃", "seings": "sɛ̃", "blanc-seing": "blɑ̃sɛ̃",
    "blancs-seings": "blɑ̃sɛ̃", "bipède": "bipɛd", "bipèdes": "bipɛd", "assied": "asje",
    "assieds": "asje", "rassied": "ʁasje", "rassieds": "ʁasje", "sied": "sje",
    "and": "ɑ̃", "wagon": "vaɡɔ̃", "wagons": "vaɡɔ̃", "toast": "tost", "toasts": "tost",
    "clown": "klun", "clowns": "klun", "interview": "ɛ̃tɛʁvju", "interviews": "ɛ̃tɛʁvju",
    "stand": "stɑ̃d", "stands": "stɑ̃d", "ring": "ʁiŋ", "rings": "ʁiŋ", "golf": "ɡɔlf",
    "album": "albɔm", "albums": "albɔm", "rhum": "ʁɔm", "rhums": "ʁɔm", "maximum": "maksimɔm",
    "minimum": "minimɔm", "forum": "fɔʁɔm", "aquarium": "akwaʁjɔm", "géranium": "ʒeʁanjɔm",
    "opium": "ɔpjɔm", "parfum": "paʁfœ̃", "parfums": "paʁfœ̃", "un": "œ̃", "brun": "bʁœ̃",
    "emprunt": "ɑ̃pʁœ̃", "défunt": "defœ̃", "chacun": "ʃakœ̃", "aucun": "okœ̃", "lundi": "lœ̃di",
    "punch": "pɔ̃ʃ", "lunch": "lœnʃ", "examen": "ɛɡzamɛ̃", "abdomen": "abdɔmɛn",
    "pollen": "pɔlɛn", "spécimen": "spesimɛn", "hymen": "imɛn", "lichen": "likɛn",
    "gluten": "ɡlytɛn", "amen": "amɛn", "dolmen": "dɔlmɛn", "agenda": "aʒɛ̃da", "pensum": "pɛ̃sɔm", "compendium": "kɔ̃pɛ̃djɔm", "consensus": "kɔ̃sɛ̃sys",
    "référendum": "ʁefeʁɛ̃dɔm", "memento": "memɛ̃to", "vendetta": "vɛ̃dɛta",
    "quatre-vingts": "katʁəvɛ̃", "vingt": "vɛ̃", "vingts": "vɛ̃", "six": "sis", "dix": "dis",
    "huit": "ɥit", "neuf": "nœf", "cinq": "sɛ̃k", "doigt": "dwa", "doigts": "dwa",
    "poids": "pwa", "legs": "lɛɡ", "sens:NOM": "sɑ̃s", "contresens": "kɔ̃tʁəsɑ̃s",
    "non-sens": "nɔ̃sɑ̃s", "obus": "ɔby", "abus": "aby", "talus": "taly", "jus": "ʒy",
    "plus-que-parfait": "plyskəpaʁfɛ", "tandis": "tɑ̃di", "alors": "alɔʁ", "dehors": "dəɔʁ",
    "hors": "ɔʁ", "fonds": "fɔ̃", "temps": "tɑ̃", "printemps": "pʁɛ̃tɑ̃", "corps": "kɔʁ",
    "remords": "ʁəmɔʁ", "mœurs/mœurs": "mœʁs", "eu": "y", "eus": "y", "eue": "y", "eues": "y",
    "eûmes": "ym", "eûtes": "yt", "eut": "y", "eût": "y", "eurent": "yʁ", "eusse": "ys",
    "eussent": "ys", "eusses": "ys", "eussiez": "ysje", "eussions": "ysjɔ̃",
    "gars": "ɡa", "faisan": "fəzɑ̃", "faisons": "fəzɔ̃", "faisait": "fəzɛ", "faisais": "fəzɛ",
    "faisaient": "fəzɛ", "faisant": "fəzɑ̃", "faisions": "fəzjɔ̃", "faisiez": "fəzje",
    "bienfaisant": "bjɛ̃fəzɑ̃", "bienfaisance": "bjɛ̃fəzɑ̃s", "malfaisant": "malfəzɑ̃",
    "monsieur/monsieur": "məsjø", "second/second": "səɡɔ̃", "tranquille": "tʁɑ̃kil",
    "ville": "vil", "dilemme": "dilɛm", "dilemmes": "dilɛm", "fenouil": "fənuj", "semailles": "səmaj", "vainc": "vɛ̃", "vaincs": "vɛ̃",
    "convainc": "kɔ̃vɛ̃", "convaincs": "kɔ̃vɛ̃", "shampooing": "ʃɑ̃pwɛ̃", "shampooings": "ʃɑ̃pwɛ̃",
    "après-shampooing": "apʁɛʃɑ̃pwɛ̃", "après-shampooings": "apʁɛʃɑ̃pwɛ̃", "oing": "wɛ̃", "oings": "wɛ̃",
    "contreseing": "kɔ̃tʁəsɛ̃", "contreseings": "kɔ̃tʁəsɛ̃",
    "ineptie": "inɛpsi", "inepties": "inɛpsi", "calvitie": "kalvisi", "calvities": "kalvisi",
    "prophétie": "pʁɔfesi", "prophéties": "pʁɔfesi", "facétie": "fasesi", "facéties": "fasesi",
    "argutie": "aʁɡysi", "arguties": "aʁɡysi", "impéritie": "ɛ̃peʁisi", "idiotie": "idjɔsi",
    "idioties": "idjɔsi", "acrobatie": "akʁɔbasi", "acrobaties": "akʁɔbasi", "presbytie": "pʁɛsbisi",
    "canitie": "kanisi", "épizootie": "epizɔɔsi", "épizooties": "epizɔɔsi", "habeas": "abeas", "coud": "ku", "couds": "ku", "moud": "mu",
    "mouds": "mu", "blues": "bluz", "news": "njuz", "pin's": "pins", "zénith": "zenit", "zéniths": "zenit", "salop": "salo",
    "salops": "salo", "contrecoup": "kɔ̃tʁəku", "contrecoups": "kɔ̃tʁəku", "cantaloup": "kɑ̃talu",
    "cantaloups": "kɑ̃talu", "warrant": "vaʁɑ̃", "warrants": "vaʁɑ̃", "soûl": "su", "soûls": "su", "but/boire": "by", "sens/sentir": "sɑ̃",
    "transit/transir": "tʁɑ̃zi", "hélas/héler": "ela", "freesia": "fʁezja",
    "freesias": "fʁezja", "wellingtonia": "wɛliŋtɔnja", "squaw": "skwo", "squaws": "skwo", "mille": "mil", "village": "vilaʒ", "villa": "vila", "lille": "lil",
    "distiller": "distile", "osciller": "ɔsile", "vaciller": "vasije",
}

# Learned and borrowed words whose final s is sounded ("cosmos", "ibis", "madras").
SOUNDED_S = set("""
acarus agnus angélus bifidus bolus borassus byssus calus carolus cirrus citrus coccus coléus crésus
cursus cumulo-nimbus nimbus détritus favus gradus hibiscus iléus lupus nævus nexus œstrus orémus palus
plexus rhésus tophus typhus ulcus varus humérus papyrus eucalyptus fungus mordicus motus processus
sinus thymus tumulus utérus radius stimulus
adonis agrostis agrotis ascaris axis cis gratis haggis hubris hybris ibéris ibis isatis lapis
liparis myosotis néréis orchis oxalis pelvis pénis physalis picris pubis rachis sialis syphilis
unguis vermis volubilis eudémis cochylis épulis clitoris métis
alios amnios azygos bastos benthos cosmos dartos éros ethos extra-muros gyros intra-muros kouros
logos matos naos pathos pelagos saros tacos tholos pathos rhinocéros albatros
abraxas alias argas czardas douglas hamadryas kvas kwas lias madras plexiglas psoas spondias tapas
trias upas vindas
cortès londrès tabès faciès
""".split())

# Endings of learned words that always sound their s ("synopsis", "épistaxis", "iritis").
SOUNDED_S_ENDINGS = ("sis", "xis", "itis", "ysis", "osis")

