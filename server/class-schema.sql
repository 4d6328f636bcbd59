-- The class server's tables and roles, applied once by the administrator:
--   psql -v ON_ERROR_STOP=1 -d <database> -f class-schema.sql
-- Stored texts are as in each child's own database: English, never translated.
BEGIN;

CREATE SCHEMA brenlo;

CREATE TABLE brenlo.sheet (
    id uuid PRIMARY KEY,
    class_name text NOT NULL,
    child text NOT NULL,
    computer text NOT NULL,
    sdate date NOT NULL,
    category text NOT NULL,
    level text NOT NULL,
    speed text NOT NULL,
    score smallint NOT NULL CHECK (score BETWEEN 0 AND 18),
    round text NOT NULL,
    sent_by name NOT NULL DEFAULT session_user,
    arrived_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE brenlo.answer (
    sheet uuid NOT NULL REFERENCES brenlo.sheet (id),
    place smallint NOT NULL CHECK (place BETWEEN 0 AND 17),
    left_operand integer NOT NULL,
    operation text NOT NULL,
    right_operand integer NOT NULL,
    expected text NOT NULL,
    typed text NOT NULL,
    marked_right boolean NOT NULL,
    changed_s double precision,
    PRIMARY KEY (sheet, place)
);

-- The teacher's overview reads a class over a range of days, and a child's last day.
CREATE INDEX sheet_class_day ON brenlo.sheet (class_name, sdate);
CREATE INDEX sheet_class_child_day ON brenlo.sheet (class_name, child, sdate);

-- Group roles; the administrator grants them to login roles.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'brenlo_computer') THEN
        CREATE ROLE brenlo_computer NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'brenlo_teacher') THEN
        CREATE ROLE brenlo_teacher NOLOGIN;
    END IF;
END
$$;

-- A sheet and its answers in one statement. A resend of an identifier already there
-- changes nothing, whoever sends it: a computer can neither double nor overwrite a
-- sheet. True when the sheet is new. Runs as the schema's owner, so the computers
-- need no table privilege; its search path is fixed against planted objects.
CREATE FUNCTION brenlo.submit_sheet(
    p_id uuid, p_class text, p_child text, p_computer text, p_sdate date,
    p_category text, p_level text, p_speed text, p_score smallint, p_round text,
    p_answers jsonb)
RETURNS boolean
LANGUAGE sql
SECURITY DEFINER
SET search_path = pg_catalog, pg_temp
AS $$
    WITH new_sheet AS (
        INSERT INTO brenlo.sheet (id, class_name, child, computer, sdate, category, level,
                                  speed, score, round)
        VALUES (p_id, p_class, p_child, p_computer, p_sdate, p_category, p_level,
                p_speed, p_score, p_round)
        ON CONFLICT (id) DO NOTHING
        RETURNING id
    ), new_answers AS (
        INSERT INTO brenlo.answer (sheet, place, left_operand, operation, right_operand,
                                   expected, typed, marked_right, changed_s)
        SELECT new_sheet.id, a.place, a.left_operand, a.operation, a.right_operand,
               a.expected, a.typed, a.marked_right, a.changed_s
        FROM new_sheet,
             jsonb_to_recordset(p_answers) AS a (place smallint, left_operand integer,
                 operation text, right_operand integer, expected text, typed text,
                 marked_right boolean, changed_s double precision)
        RETURNING 1
    )
    SELECT EXISTS (SELECT FROM new_sheet) FROM (SELECT count(*) FROM new_answers) AS written;
$$;

REVOKE ALL ON SCHEMA brenlo FROM PUBLIC;
REVOKE ALL ON ALL TABLES IN SCHEMA brenlo FROM PUBLIC;
REVOKE ALL ON FUNCTION brenlo.submit_sheet FROM PUBLIC;

GRANT USAGE ON SCHEMA brenlo TO brenlo_computer, brenlo_teacher;
GRANT EXECUTE ON FUNCTION brenlo.submit_sheet TO brenlo_computer;
GRANT SELECT ON brenlo.sheet, brenlo.answer TO brenlo_teacher;

COMMIT;
